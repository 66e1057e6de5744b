// Two tables joined back to back in memory, each one's messages fed to the other's receivers:
// seeded matches of random play on both sides, one side loading a saved game in the middle,
// and the two copies of the game compared mirror-wise at every point of the exchange both
// reached.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <sstream>

#include "app/cli/mirror_digest.h"
#include "app/cli/netplay_side.h"
#include "storage/saved_game.h"

namespace tavolex::cli {
namespace {

// Far more steps than the matches below need.
constexpr long kMaxSteps = 2000000;

class BackToBack {
  public:
    // The accepter plays with the next seed.
    BackToBack(Options options)
        : inviter_(options, true, Queue(toAccepter_), &inviterDigest_),
          accepter_((++options.seed, options), false, Queue(toInviter_), &accepterDigest_) {}

    // Plays until both sides are done; what broke, if anything. From step loadStep on, the
    // loader makes a File, Save and a File, Load of that file as soon as the game can be saved.
    std::optional<std::string> Play(bool inviterLoads, long loadStep) {
        inviter_.Start("ann", "ben");
        accepter_.Start("ben", "ann");
        accepter_.Chat("good luck");
        NetplaySide& loader = inviterLoads ? inviter_ : accepter_;
        for (long step = 0; step < kMaxSteps; ++step) {
            Deliver();
            for (NetplaySide* side : {&inviter_, &accepter_})
                if (side->Violation()) return *side->Violation();
            if (inviter_.Done() && accepter_.Done()) return std::nullopt;
            if (step >= loadStep && loader.MayAct() && SaveAndLoad(loader)) {
                loadStep = kMaxSteps;
            } else if (inviter_.MayAct()) {
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
    // Adds the messages either side sent to kinds, by token.
    void CountKinds(std::array<long, kTokenWordCount>& kinds) const {
        for (const NetplaySide* side : {&inviter_, &accepter_})
            for (int token = 0; token < kTokenWordCount; ++token)
                kinds[token] += side->Tally().sentKinds[token];
    }
    const NetplaySide& Inviter() const { return inviter_; }

  private:
    static NetplaySide::Send Queue(std::deque<std::string>& queue) {
        return [&queue](const std::string& message) { queue.push_back(message); };
    }
    // False when the game cannot be saved now (incorrect melds, a pile take pending).
    static bool SaveAndLoad(NetplaySide& side) {
        const std::string path = testing::TempDir() + "netplay_mirror.tvx";
        if (!SaveGame(side.Game().table, true, path)) return false;
        EXPECT_TRUE(LoadGame(side.Game().table, true, path));
        std::filesystem::remove(path);
        side.AfterChange();
        return true;
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
    // Seeds 1, 2 and 20 once found the two copies apart: a canasta's naturals after an undo
    // and after an undone pile take, and an eight-card canasta broken by an undo.
    for (const uint32_t seed : {1u, 2u, 3u, 20u}) {
        BackToBack tables(MonkeyMatches(seed, rules[seed % 2]));
        const std::optional<std::string> broken = tables.Play(seed % 2 == 0, 300);
        ASSERT_FALSE(broken) << "seed " << seed << ": " << *broken;
        EXPECT_EQ(tables.Inviter().Tally().refusedMessages, 0) << "seed " << seed;
        const DigestComparison comparison = tables.Compare();
        ASSERT_FALSE(comparison.disagreement) << "seed " << seed << ":\n"
                                              << *comparison.disagreement;
        compared += comparison.compared;
        tables.CountKinds(kinds);
    }
    EXPECT_GT(compared, 1000);
    // Never sent: OK, SENDAGAIN, QUIT and the placeholder.
    for (int token = kTokenChat; token < kTokenWordCount; ++token) {
        if (token == kTokenUnknown) continue;
        EXPECT_GT(kinds[token], 0) << kTokenWords[token];
    }
}

TEST(NetplayMirror, TheComparisonSkipsPointsOnlyOneSideReachedAndStopsAtTheFirstDifference) {
    std::istringstream a("1 0 aa\n2 0 bb\n2 1 cc\n3 1 dd\n");
    std::istringstream b("1 0 aa\n2 1 cd\n3 1 dd\n");
    const DigestComparison comparison = CompareDigests(a, b);
    EXPECT_EQ(comparison.compared, 1);
    EXPECT_TRUE(comparison.disagreement);
}

}  // namespace
}  // namespace tavolex::cli
