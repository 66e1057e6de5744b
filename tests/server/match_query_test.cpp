#include "match_query.h"

#include <gtest/gtest.h>

namespace tavolex::server {
namespace {

TEST(MatchQuery, AcceptsTheFiveKeysAndRefusesEverythingElse) {
    const auto good =
        ParseMatchQuery("nickname1=Anna%20B&score1=5120&nickname2=bo%3Cb&score2=-35&gametype=2");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->nickname1, "Anna B");
    EXPECT_EQ(good->score1, 5120);
    EXPECT_EQ(good->nickname2, "bo<b");
    EXPECT_EQ(good->score2, -35);
    EXPECT_EQ(good->gameType, 2);
    EXPECT_TRUE(ParseMatchQuery("gametype=0&score2=1&nickname2=b&score1=2&nickname1=a"));

    for (const char* bad : {
             "",
             "nickname1=a&score1=1&nickname2=b&score2=1",                        // a key missing
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=0&gametype=0",  // twice
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=0&extra=1",     // unknown key
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=3",             // no such type
             "nickname1=a&score1=1x&nickname2=b&score2=1&gametype=0",            // not a number
             "nickname1=a&score1=2000000&nickname2=b&score2=1&gametype=0",       // out of range
             "nickname1=a%0D&score1=1&nickname2=b&score2=1&gametype=0",          // control byte
             "nickname1=a%2&score1=1&nickname2=b&score2=1&gametype=0",           // cut escape
             "nickname1=a%zz&score1=1&nickname2=b&score2=1&gametype=0",          // bad escape
             "nickname1=&score1=1&nickname2=b&score2=1&gametype=0",              // empty name
             "nickname1=SeventeenLetters1&score1=1&nickname2=b&score2=1&gametype=0",
             "nickname1&score1=1&nickname2=b&score2=1&gametype=0",  // no '='
         }) {
        EXPECT_FALSE(ParseMatchQuery(bad)) << bad;
    }
}

}  // namespace
}  // namespace tavolex::server
