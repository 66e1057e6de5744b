// How many lobby sessions one address may hold at once. Loopback addresses are not limited.
#pragma once

#include <boost/asio/ip/address.hpp>
#include <string>
#include <unordered_map>

namespace tavolex::server {

class AddressLimit {
  public:
    // 0 means no limit.
    explicit AddressLimit(int perAddress) : perAddress_(perAddress) {}

    // True when one more session from the address is allowed; it is then counted.
    bool Admit(const boost::asio::ip::address& address);
    // One session from the address ended.
    void Release(const boost::asio::ip::address& address);

  private:
    int perAddress_;
    std::unordered_map<std::string, int> sessions_;
};

}  // namespace tavolex::server
