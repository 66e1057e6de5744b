#include "address_limit.h"

namespace tavolex::server {

bool AddressLimit::Admit(const boost::asio::ip::address& address) {
    if (perAddress_ == 0 || address.is_loopback()) return true;
    int& count = sessions_[address.to_string()];
    if (count >= perAddress_) return false;
    ++count;
    return true;
}

void AddressLimit::Release(const boost::asio::ip::address& address) {
    if (perAddress_ == 0 || address.is_loopback()) return;
    const auto found = sessions_.find(address.to_string());
    if (found != sessions_.end() && --found->second <= 0) sessions_.erase(found);
}

}  // namespace tavolex::server
