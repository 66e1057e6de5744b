// The server's lasting data in SQLite: accounts and reported matches. Every statement is
// prepared; the journal is a write-ahead log, so a killed process loses no committed row.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tavolex::server {

struct Account {
    std::string nickname;
    std::string passwordHash;
    std::string created;
    std::string lastLogin;
    bool banned = false;
};

struct MatchReport {
    std::string nickname1;
    int score1 = 0;
    std::string nickname2;
    int score2 = 0;
    int gameType = 0;
    std::string reported;  // filled in by the database
};

class Database {
  public:
    // Opens or creates the database; throws std::runtime_error with SQLite's text on failure.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Nicknames compare without regard to case.
    std::optional<Account> FindAccount(std::string_view nickname);
    // False when the nickname is taken.
    bool CreateAccount(std::string_view nickname, std::string_view password);
    bool PasswordMatches(const Account& account, std::string_view password);
    void RecordLogin(std::string_view nickname);
    void SetBanned(std::string_view nickname, bool banned);

    void AddMatch(const MatchReport& match);
    std::vector<MatchReport> LatestMatches(int count);

  private:
    class Statement;
    std::unique_ptr<Statement> Prepare(const char* sql);
    void Execute(const char* sql);

    sqlite3* db_ = nullptr;
    std::unique_ptr<Statement> findAccount_, createAccount_, recordLogin_, setBanned_, addMatch_,
        latestMatches_;
};

}  // namespace tavolex::server
