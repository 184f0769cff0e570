// How status datagrams from the source become titles and keys on the player windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/status_records.h"
#include "players/player_table.h"
#include "support/fake_platform.h"

namespace {

const char kDiverted2[] = "title 12 2:  *TS diverted to another location*";

class StatusRecords : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        for (int player = 1; player <= kPlayerCount; ++player) {
            playerTable[player].window = 10 + player;
        }
    }

    // Feeds the datagrams in order and returns the window actions they caused.
    std::vector<std::string> feed(const std::vector<std::string>& datagrams) {
        for (const std::string& datagram : datagrams) {
            feedStatusText(datagram.c_str());
        }
        std::vector<std::string> all;
        for (const std::string& call : fake::state.calls) {
            if (call.rfind("title ", 0) == 0 || call.rfind("key ", 0) == 0) {
                all.push_back(call);
            }
        }
        fake::state.calls.clear();
        return all;
    }
};

struct Case {
    const char* name;
    std::vector<std::string> datagrams;
    std::vector<std::string> actions;
};

const std::vector<Case> kCases = {
    {"title from slot 94 at the next selector, no key while 96 and 97 read 0",
     {"$0,1\r$94,Alpha\r$0,2\r"},
     {"title 11 Alpha"}},
    {"slot 97 change sends N and keeps the title",
     {"$0,1\r$97,3\r$94,Tee\r$0,0\r"},
     {"key 11 78", "title 11 Tee"}},
    {"slot 96 and 97 change: an empty title, then S, then N",
     {"$0,1\r$96,1\r$97,1\r$94,Tee\r$0,0\r"},
     {"title 11 ", "key 11 83", "key 11 78"}},
    {"code 94 split after its first digit is applied when the rest arrives",
     {"$0,1\r$9", "4,Split\r$0,0\r"},
     {"title 11 Split"}},
    {"records before the first selector are dropped", {"$94,Early\r$0,1\r$0,0\r"}, {"title 11 "}},
    {"records after a selector with value 0 are dropped up to the next channel selector",
     {"$0,1\r$0,0\r$94,Lost\r$0,1\r$0,0\r"},
     {"title 11 ", "title 11 "}},
    {"code and value without digits are a selector for none",
     {"$0,1\r$94,Kept\r$x,y\r$94,Dropped\r$0,1\r$0,0\r"},
     {"title 11 Kept", "title 11 Kept"}},
    {"a code 0 record with value 7 is no selector and is stored",
     {"$0,1\r$0,7\r$94,Still one\r$0,0\r"},
     {"title 11 Still one"}},
    {"a negative selector value selects nothing and is stored",
     {"$0,1\r$0,-1\r$94,Still one\r$0,0\r"},
     {"title 11 Still one"}},
    {"a selector value beyond the 32-bit range does not wrap round to a channel",
     {"$0,1\r$0,4294967297\r$94,Still one\r$0,0\r"},
     {"title 11 Still one"}},
    {"codes of 100 and more, and below 0, are dropped",
     {"$0,1\r$94,Right\r$194,Wrong\r$-6,Wrong\r$2147483647,Wrong\r$-2147483648,Wrong\r$0,0\r"},
     {"title 11 Right"}},
    {"line feeds and text without dollar signs between records are skipped",
     {"$0,1\r\n$94,Tee\r\nnoise\r\n\n$0,0\r\n"},
     {"title 11 Tee"}},
    {"each channel goes to its own player",
     {"$0,1\r$94,One\r$0,2\r$94,Two\r$0,3\r$94,Three\r$0,4\r$94,Four\r$0,1\r"},
     {"title 11 One", "title 12 Two", "title 13 Three", "title 14 Four"}},
    {"several records across several datagrams",
     {"$0,3\r", "$94,A", "cross", " three\r", "$0,0\r"},
     {"title 13 Across three"}},
    {"a value that holds a dollar sign", {"$0,1\r$94,Cost $5\r$0,0\r"}, {"title 11 Cost $5"}},
    {"diverted notice titles the player at once; the next selector does not finish it",
     {"$0,2\r$94,Before\r$99,gone\r$0,3\r$0,0\r"},
     {kDiverted2, "title 13 "}},
    {"records after a diverted notice are kept for the channel's next finish",
     {"$0,2\r$99,x\r$94,Later\r$0,3\r$0,2\r$0,0\r"},
     {kDiverted2, "title 13 ", "title 12 Later"}},
    {"a code 99 record without a selected channel does nothing", {"$99,x\r$0,0\r"}, {}},
    {"a carriage return with no dollar sign is thrown away, later records still count",
     {"noise\r", "$0,1\r$94,Tee\r$0,0\r"},
     {"title 11 Tee"}},
    {"a record broken by a carriage return before its comma is skipped",
     {"$0,1\r$94,Tee\r", "$97\r", "$0,0\r"},
     {"title 11 Tee"}},
    {"a comma before the carriage return of the next datagram: the record waits for it",
     {"$0,1\r", "$5\r$94,Late", "\r$0,0\r"},
     {"title 11 Late"}},
    {"the comma search runs past a carriage return when a comma follows",
     {"$0,1\r$9\r4,Far\r$94,Tee\r$0,0\r"},
     {"title 11 Tee"}},
};

TEST_F(StatusRecords, ActOnPlayerWindows) {
    for (const Case& c : kCases) {
        SetUp();
        EXPECT_EQ(feed(c.datagrams), c.actions) << c.name;
    }
}

TEST_F(StatusRecords, FirstChangeOfSlot96SendsSAndClearsThenSameValueSendsNothing) {
    EXPECT_EQ(feed({"$0,1\r$96,5\r$94,First\r$0,0\r"}),
              (std::vector<std::string>{"title 11 ", "key 11 83"}));
    EXPECT_EQ(feed({"$0,1\r$96,5\r$94,Second\r$0,0\r"}),
              (std::vector<std::string>{"title 11 Second"}));
}

TEST_F(StatusRecords, ClearedSlot96ReadsZeroAndSendsSAgain) {
    feed({"$0,1\r$96,5\r$0,0\r"});
    EXPECT_EQ(feed({"$0,1\r$94,No 96 here\r$0,0\r"}),
              (std::vector<std::string>{"title 11 ", "key 11 83"}));
    EXPECT_EQ(channelTable[1].lastSlot96, 0);
}

TEST_F(StatusRecords, RemembersSlots96And97AcrossADivertedNotice) {
    feed({"$0,1\r$96,5\r$97,6\r$0,0\r"});
    EXPECT_EQ(feed({"$0,1\r$99,x\r"}),
              (std::vector<std::string>{"title 11 1:  *TS diverted to another location*"}));
    EXPECT_EQ(channelTable[1].active, 0);
    EXPECT_EQ(channelTable[1].lastSlot96, 5);
    EXPECT_EQ(channelTable[1].lastSlot97, 6);
    EXPECT_EQ(feed({"$0,1\r$96,5\r$97,6\r$94,Back\r$0,0\r"}),
              (std::vector<std::string>{"title 11 Back"}));
}

TEST_F(StatusRecords, SelectorLeavesItsValueInSlot0) {
    feed({"$0,3\r"});
    EXPECT_EQ(selectedChannel, 3);
    EXPECT_EQ(channelTable[3].active, 1);
    EXPECT_STREQ(channelTable[3].slots[0], "3");
    feed({"$0,7\r"});
    EXPECT_EQ(selectedChannel, 3);
    EXPECT_STREQ(channelTable[3].slots[0], "7");
}

TEST_F(StatusRecords, CodeAndValueTextsAreCutTo63Characters) {
    const std::string longTitle(80, 'T');
    EXPECT_EQ(feed({"$0,1\r$94," + longTitle + "\r$0,0\r"}),
              (std::vector<std::string>{"title 11 " + longTitle.substr(0, 63)}));
    // The code is read from its first 63 characters only: 70 zeros then 94 reads as 0, a
    // selector for none.
    const std::string longCode = std::string(70, '0') + "94";
    EXPECT_EQ(feed({"$0,2\r$" + longCode + ",x\r$94,After\r$0,1\r"}),
              (std::vector<std::string>{"title 12 "}));
}

TEST_F(StatusRecords, MalformedTextEndsAndKeepsOnlyWhatCanStillBecomeARecord) {
    feed({"no dollar at all\r"});
    EXPECT_STREQ(pendingStatusText, "");
    feed({"$12\r"});
    EXPECT_STREQ(pendingStatusText, "");
    feed({"junk before $12,value without end"});
    EXPECT_STREQ(pendingStatusText, "$12,value without end");
    feed({"\r"});
    EXPECT_STREQ(pendingStatusText, "");
    feed({"$1\r$2,waiting"});
    EXPECT_STREQ(pendingStatusText, "$2,waiting");
    feed({"$$$$\r\r\r,,,,"});
    EXPECT_STREQ(pendingStatusText, "");
}

TEST_F(StatusRecords, PendingTextNeverPasses4095Characters) {
    // A record that never ends is cut from its oldest side, and the new datagram is kept whole.
    feed({"$0,1\r$94," + std::string(4000, 'a')});
    EXPECT_EQ(std::strlen(pendingStatusText), 4004u);
    const std::string fresh = std::string(150, 'b') + "$94,New\r$0,2\r$94,Tail";
    EXPECT_EQ(feed({fresh}), (std::vector<std::string>{"title 11 New"}));
    EXPECT_STREQ(pendingStatusText, "$94,Tail");

    // Many chunks without a carriage return: the pending text stays within its buffer.
    for (int chunk = 0; chunk < 10; ++chunk) {
        feed({"$" + std::string(999, 'x')});
        EXPECT_LE(std::strlen(pendingStatusText), 4095u);
    }

    // A datagram longer than the buffer keeps only its last 4095 characters, whose records
    // still count.
    SetUp();
    const std::string block = "$0,2\r$94,Kept\r$0,0\r";
    EXPECT_EQ(feed({"$0,1\r$94,Lost\r" + std::string(4096, 'x') + block}),
              (std::vector<std::string>{"title 12 Kept"}));
    EXPECT_STREQ(pendingStatusText, "");
}

TEST_F(StatusRecords, RecordsSplitAnywhereAcrossDatagramsGiveTheSameResult) {
    const std::string block =
        "$0,1\r\n$94,Camera one\r\n$96,3\r\n$97,4\r\n$0,2\r\n$94,Two\r\n$99,x\r\n$0,1\r\n"
        "$96,3\r\n$97,4\r\n$94,Again\r\n$0,0\r\n";
    const std::vector<std::string> whole = feed({block});
    ASSERT_EQ(whole, (std::vector<std::string>{"title 11 ", "key 11 83", "key 11 78",
                                               "title 12 2:  *TS diverted to another location*",
                                               "title 11 Again"}));
    for (std::size_t first = 0; first <= block.size(); ++first) {
        for (std::size_t second = first; second <= block.size(); ++second) {
            SetUp();
            const std::vector<std::string> split =
                feed({block.substr(0, first), block.substr(first, second - first),
                      block.substr(second)});
            ASSERT_EQ(split, whole) << "split at " << first << " and " << second;
        }
    }
}

// A player whose window was not found is asked of as window 0, which every platform leaves alone;
// its channel's records are taken as ever.
TEST_F(StatusRecords, APlayerWithoutAWindowIsAskedOfAsWindowZero) {
    playerTable[1].window = 0;
    EXPECT_EQ(feed({"$0,1\r$96,1\r$94,Tee\r$0,2\r$94,Two\r$0,0\r"}),
              (std::vector<std::string>{"title 0 ", "key 0 83", "title 12 Two"}));
    EXPECT_EQ(channelTable[1].lastSlot96, 1);
}

}  // namespace
