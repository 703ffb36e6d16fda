// Shared memory kept by its first creator, and messages between processes.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "platform/rtl/InstanceLink.h"

TEST(InstanceLinkTests, TheSecondOpenerFindsTheFirstOnesBlock)
{
    const String name = "link-test-" + IntToStr(::getpid());
    {
        TNamedMapping first(name, 16);
        ASSERT_TRUE(first.Valid());
        EXPECT_FALSE(first.AlreadyExisted());
        std::memcpy(first.Memory() + 4, "dam!", 4);

        TNamedMapping second(name, 16);
        ASSERT_TRUE(second.Valid());
        EXPECT_TRUE(second.AlreadyExisted());
        EXPECT_EQ(std::memcmp(second.Memory() + 4, "dam!", 4), 0);
    }
    // The first one is gone: the next creator starts afresh.
    TNamedMapping again(name, 16);
    EXPECT_FALSE(again.AlreadyExisted());
    EXPECT_EQ(again.Memory()[4], 0);
}

TEST(InstanceLinkTests, ABlockOfACrashedProcessIsNotTakenForALiveOne)
{
    const String name = "link-crash-" + IntToStr(::getpid());
    pid_t child = ::fork();
    if (child == 0) {
        auto* leaked = new TNamedMapping(name, 16);   // never freed: the process dies holding it
        leaked->Memory()[0] = 7;
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    TNamedMapping later(name, 16);
    EXPECT_FALSE(later.AlreadyExisted());
    EXPECT_EQ(later.Memory()[0], 0);
}

TEST(InstanceLinkTests, MessagesReachTheServerAndTheSenderWaitsForThem)
{
    const String name = "link-msg-" + IntToStr(::getpid());
    std::vector<std::vector<Byte>> received;
    TLocalMessageServer server(name, [&](const std::vector<Byte>& data) { received.push_back(data); });
    ASSERT_TRUE(server.Listening());
    EXPECT_EQ(server.HandlePending(), 0);

    pid_t child = ::fork();
    if (child == 0) ::_exit(SendLocalMessage(name, "uplift", 6) ? 0 : 1);
    pollfd waiting{server.Handle(), POLLIN, 0};
    ASSERT_EQ(::poll(&waiting, 1, 20000), 1);   // the sender connected
    EXPECT_EQ(server.HandlePending(), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);   // it was told the message arrived
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(std::string(received[0].begin(), received[0].end()), "uplift");

    EXPECT_FALSE(SendLocalMessage("link-nobody-" + IntToStr(::getpid()), "x", 1, 200));
}
