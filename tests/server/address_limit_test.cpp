#include "address_limit.h"

#include <gtest/gtest.h>

namespace tavolex::server {
namespace {

using boost::asio::ip::make_address;

TEST(AddressLimit, CountsEachAddressAndNeverLoopback) {
    AddressLimit limit(2);
    const auto remote = make_address("203.0.113.7");
    EXPECT_TRUE(limit.Admit(remote));
    EXPECT_TRUE(limit.Admit(remote));
    EXPECT_FALSE(limit.Admit(remote));
    EXPECT_TRUE(limit.Admit(make_address("203.0.113.8")));
    limit.Release(remote);
    EXPECT_TRUE(limit.Admit(remote));
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(limit.Admit(make_address("127.0.0.1")));
        EXPECT_TRUE(limit.Admit(make_address("::1")));
    }

    AddressLimit unlimited(0);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(unlimited.Admit(remote));
}

}  // namespace
}  // namespace tavolex::server
