// The commands of tavolex-cli. Each returns the program's exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/cli/arguments.h"

namespace tavolex::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;    // a match could not be played on, a monkey run found a fault
constexpr int kExitBadInput = 2;  // bad arguments, an unreadable or damaged file

int RunDeal(const Options& options, std::ostream& out, std::ostream& err);
int RunShow(const Options& options, std::ostream& out, std::ostream& err);
int RunPlay(const Options& options, std::ostream& out, std::ostream& err);
int RunMatch(const Options& options, std::ostream& out, std::ostream& err);
int RunMonkey(const Options& options, std::ostream& out, std::ostream& err);
// "netplay": its exit status 1 also means the match could not be agreed or played to its end,
// or a received message was refused.
int RunNetplay(const Options& options, std::ostream& out, std::ostream& err);
// "netplay-compare A B": two sides' digests; 1 at a disagreement or when no point is common.
int RunNetplayCompare(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);
int RunHelp(std::ostream& out);
// "lobby": arguments after the command's name; its exit status 1 also means the server could
// not be reached, or a login or a "wait:" did not succeed.
int RunLobby(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Parses the arguments after the program's name and runs the command.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The one-line error every command reports bad input with.
int ReportBadInput(std::ostream& err, const std::string& text);
// The same line for a run that could not go on; its exit status.
int ReportFailure(std::ostream& err, const std::string& text);

}  // namespace tavolex::cli
