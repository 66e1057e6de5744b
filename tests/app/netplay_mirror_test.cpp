// Two tables joined back to back in memory, each one's messages fed to the other's receivers:
// seeded matches of random play on both sides, and the two copies of the game compared
// mirror-wise at every point of the exchange both reached.
#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "app/cli/mirror_digest.h"
#include "app/cli/netplay_side.h"

namespace tavolex::cli {
namespace {

// Far more steps than the matches below need.
constexpr long kMaxSteps = 2000000;

class BackToBack {
  public:
    BackToBack(Options options)
        : inviter_(options, true, Queue(toAccepter_), &inviterDigest_),
          accepter_(WithSeed(options, options.seed + 1), false, Queue(toInviter_),
                    &accepterDigest_) {}

    // Plays until both sides are done; what broke, if anything.
    std::optional<std::string> Play() {
        inviter_.Start("ann", "ben");
        accepter_.Start("ben", "ann");
        accepter_.Chat("good luck");
        for (long step = 0; step < kMaxSteps; ++step) {
            Deliver();
            for (NetplaySide* side : {&inviter_, &accepter_})
                if (side->Violation()) return *side->Violation();
            if (inviter_.Done() && accepter_.Done()) return std::nullopt;
            if (inviter_.MayAct()) {
                inviter_.Act();
            } else if (accepter_.MayAct()) {
                accepter_.Act();
            } else {
                return "neither side may act";
            }
        }
        return "the matches did not end";
    }

    DigestComparison Compare() { return CompareDigests(inviterDigest_, accepterDigest_); }
    // Every message kind either side sent, by token.
    std::array<long, kTokenWordCount> Kinds() const {
        std::array<long, kTokenWordCount> kinds{};
        for (const NetplaySide* side : {&inviter_, &accepter_})
            for (int token = 0; token < kTokenWordCount; ++token)
                kinds[token] += side->Tally().sentKinds[token];
        return kinds;
    }
    const NetplaySide& Inviter() const { return inviter_; }

  private:
    static Options WithSeed(Options options, uint32_t seed) {
        options.seed = seed;
        return options;
    }
    static NetplaySide::Send Queue(std::deque<std::string>& queue) {
        return [&queue](const std::string& message) { queue.push_back(message); };
    }
    // Every message in flight arrives, one at a time and in order, as game-server events would.
    void Deliver() {
        while (!toAccepter_.empty() || !toInviter_.empty()) {
            for (auto [queue, side] :
                 {std::pair{&toAccepter_, &accepter_}, std::pair{&toInviter_, &inviter_}}) {
                if (queue->empty()) continue;
                if (!side->Done()) side->Receive(queue->front());
                queue->pop_front();
            }
        }
    }

    std::deque<std::string> toAccepter_;
    std::deque<std::string> toInviter_;
    std::stringstream inviterDigest_;
    std::stringstream accepterDigest_;
    NetplaySide inviter_;
    NetplaySide accepter_;
};

Options MonkeyMatches(uint32_t seed, std::vector<SettingOverride> settings) {
    Options options;
    options.seed = seed;
    options.matches = 2;
    options.matchHands = 2;
    options.settings = std::move(settings);
    return options;
}

TEST(NetplayMirror, RandomPlayKeepsBothCopiesTheSameAndSendsEveryKind) {
    // A discarded red three freezes the pile under the second rules, so its message occurs;
    // two canastas to go out make a player pass the discard more often.
    const std::vector<std::vector<SettingOverride>> rules = {
        {}, {{"Settings\\Three Block", "1"}, {"Settings\\Number of Canastas", "2"}}};
    std::array<long, kTokenWordCount> kinds{};
    long compared = 0;
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        BackToBack tables(MonkeyMatches(seed, rules[seed % 2]));
        const std::optional<std::string> broken = tables.Play();
        ASSERT_FALSE(broken) << "seed " << seed << ": " << *broken;
        EXPECT_EQ(tables.Inviter().Tally().refusedMessages, 0) << "seed " << seed;
        const DigestComparison comparison = tables.Compare();
        ASSERT_FALSE(comparison.disagreement) << "seed " << seed << ":\n"
                                              << *comparison.disagreement;
        compared += comparison.compared;
        const auto sent = tables.Kinds();
        for (int token = 0; token < kTokenWordCount; ++token) kinds[token] += sent[token];
    }
    EXPECT_GT(compared, 1000);
    // Never sent: OK, SENDAGAIN, QUIT and the placeholder; LOADGAME needs a saved game loaded.
    for (int token = kTokenChat; token < kTokenWordCount; ++token) {
        if (token == kTokenUnknown || token == kTokenLoadGame) continue;
        EXPECT_GT(kinds[token], 0) << kTokenWords[token];
    }
}

TEST(NetplayMirror, TheComparisonSkipsPointsOnlyOneSideReachedAndStopsAtTheFirstDifference) {
    const struct {
        const char* second;
        long compared;
        bool agree;
    } cases[] = {
        {"1 0 aa\n2 1 cc\n3 1 dd\n", 3, true},
        {"1 0 aa\n2 1 cd\n3 1 dd\n", 1, false},
        {"0 1 ee\n", 0, true},
    };
    for (const auto& [second, compared, agree] : cases) {
        std::istringstream a("1 0 aa\n2 0 bb\n2 1 cc\n3 1 dd\n");
        std::istringstream b(second);
        const DigestComparison comparison = CompareDigests(a, b);
        EXPECT_EQ(comparison.compared, compared) << second;
        EXPECT_EQ(!comparison.disagreement, agree) << second;
    }
}

}  // namespace
}  // namespace tavolex::cli
