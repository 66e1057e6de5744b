#include "config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace tavolex::server {
namespace {

TEST(ServerConfig, FlagsOverrideTheFileAndMistakesAreNamed) {
    const std::string path = ::testing::TempDir() + "tavolex-server-test.ini";
    std::ofstream(path) << "# comment\n[server]\nport = 4000\nhttp-port=9000\n"
                           "listen = 0.0.0.0\ndatabase = /tmp/x.db\n";
    ServerConfig config;
    ASSERT_EQ(LoadConfig({"--port", "5000", "--config", path, "--download=http://d/x"}, config),
              std::nullopt);
    EXPECT_EQ(config.port, 5000);
    EXPECT_EQ(config.httpPort, 9000);
    EXPECT_EQ(config.download, "http://d/x");
    EXPECT_EQ(config.publicHost, "127.0.0.1");  // a wildcard listen address is no host name

    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--colour", "red"}, "unknown setting \"colour\""},
        {{"--port", "70000"}, "bad value \"70000\" for port"},
        {{"--port", "12x"}, "bad value \"12x\" for port"},
        {{"--port"}, "missing value for --port"},
        {{"stray"}, "unexpected argument \"stray\""},
        {{"--config", "/nonexistent/file.ini"}, "cannot read /nonexistent/file.ini"},
    };
    for (const auto& c : cases) {
        ServerConfig other;
        other.database = "/tmp/x.db";
        EXPECT_EQ(LoadConfig(c.arguments, other), c.error);
    }
    std::ofstream(path) << "port = 1\nnonsense\n";
    ServerConfig broken;
    EXPECT_EQ(LoadConfig({"--config", path}, broken), path + ":2: expected name = value");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace tavolex::server
