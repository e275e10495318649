// An X server that refuses the tool for want of an authorisation cookie: libxcb writes the
// server's reason to descriptor 2 itself, and none of it may reach the tool's streams.
#include <gtest/gtest.h>

#include "background_process.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"
#include "virtual_desktop.h"

namespace orvane::testing {
namespace {

TEST(RefusedServer, RefusalTextNeverReachesTheToolsStreams) {
  const TemporaryFolder folder("refused-server");
  const std::string cookies = (folder.path() / "cookies").string();
  // With any cookie on file the server wants one from every client.
  ASSERT_EQ(runProcess({"/usr/bin/xauth", "-f", cookies, "add", ":99", "MIT-MAGIC-COOKIE-1",
                        "0123456789abcdef0123456789abcdef"})
                .exitStatus,
            0);
  BackgroundProcess server({"Xvfb", "-displayfd", "1", "-auth", cookies, "-nolisten", "tcp"});
  const std::optional<std::string> number = server.readLine(60);
  ASSERT_TRUE(number) << "Xvfb did not start";

  ProcessOptions options;
  options.environment = x11SessionEnvironment(":" + *number);
  options.environment.push_back("XAUTHORITY=" + (folder.path() / "none").string());
  const ProcessOutcome list = runTool({"list-all"}, options);
  EXPECT_EQ(list.exitStatus, 0);
  EXPECT_EQ(list.out, "[]\n");
  EXPECT_EQ(list.err, "");
  const ProcessOutcome frontmost = runTool({"frontmost"}, options);
  EXPECT_EQ(frontmost.exitStatus, 1);
  EXPECT_EQ(frontmost.out, "");
  EXPECT_EQ(frontmost.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
}

}  // namespace
}  // namespace orvane::testing
