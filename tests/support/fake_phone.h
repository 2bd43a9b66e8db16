// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A GSM phone on a pseudo-terminal, for tests that talk through a real serial port object.
// The slave side's path is what the program opens; the phone answers the commands the editor
// uses the way real handsets do ("\r\n" around every reply line, optional echo, the "> "
// prompt, a PDU up to Ctrl-Z whose length is checked against "AT+CMGS=", "+CMGS: n",
// "+CSCA: ...", "+CPBR: ...", "+CMGL: ..."), and can be scripted to misbehave per command.
// It runs on its own thread; every public call is safe from the test's thread.

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pixora::testing {

enum class PhoneBehaviour {
    Answer,    // as a working phone
    Silent,    // no echo, no reply
    Error,     // "ERROR"
    CmsError,  // "+CMS ERROR: " and the scripted code
    EchoOnly,  // the echo of the command and nothing else
};

struct PhonebookEntryLine {
    int index;
    std::string number;
    int type;
    std::string text;  // bytes as the phone sends them
};

// A message stored on the phone, as AT+CMGL=4 lists it.
struct StoredMessageLine {
    int index;
    int status;              // 0 received unread, 1 received read, 2 stored unsent, 3 stored sent
    std::string pdu;         // hex, message-centre field first; the listed length is worked out
    std::string alpha = {};  // listed quoted when not empty
};

// The phone's message memories "SM" and "ME" and the commands on them: AT+CPMS= (the first
// memory named becomes the one listed), AT+CMGL=4 (PDU mode only; lists and marks the unread
// ones read, as handsets do) and AT+CMGD= (deletes, and is remembered). Plain data: the
// pseudo-terminal phone keeps one, engine tests answer with one directly.
class MessageMemories {
public:
    void Add(const std::string& memory, StoredMessageLine message);
    // AT+CPMS naming this memory gets "+CMS ERROR: <code>".
    void Refuse(const std::string& memory, int cmsCode);
    // Each PDU goes out in pieces of this many digits, on lines of their own with a blank
    // line after each, as some phones and adapters break long lines; 0: one line.
    void SplitPdus(size_t digits) { split_ = digits; }
    // The reply to a message command; empty for any other command.
    std::string Answer(const std::string& command, bool pduMode);
    // The status a message has now; -1 when there is no such message.
    int Status(const std::string& memory, int index) const;
    const std::vector<std::string>& DeleteCommands() const { return deletes_; }

private:
    std::map<std::string, std::vector<StoredMessageLine>> stored_;
    std::map<std::string, int> refused_;
    std::string listed_ = "SM";
    size_t split_ = 0;
    std::vector<std::string> deletes_;
};

class FakePhone {
public:
    FakePhone();
    ~FakePhone();
    FakePhone(const FakePhone&) = delete;
    FakePhone& operator=(const FakePhone&) = delete;

    // False when no pseudo-terminal could be had; SlavePath() is then empty.
    bool Ok() const { return !slavePath_.empty(); }
    const std::string& SlavePath() const { return slavePath_; }

    void SetEcho(bool on);
    // The text "ATI" answers with before "OK".
    void SetIdentification(std::string text);
    // What follows "+CSCA: ", e.g. "\"+12345678901\",145"; without one the phone answers a bare
    // "OK", as a phone without a stored number may.
    void SetCsca(std::string value);
    void ClearCsca();
    // Phonebook memories "SM" and "ME": the index range "AT+CPBR=?" reports, and the entries.
    void SetIndexRange(const std::string& memory, int low, int high);
    void AddEntry(const std::string& memory, PhonebookEntryLine entry);
    // The stored messages; set up before the program talks to the phone.
    MessageMemories& Messages() { return messages_; }
    // The AT+CMGD commands received.
    std::vector<std::string> DeleteCommands() const;

    // Commands matching `pattern` get `behaviour`, the next `times` times (-1: always). The
    // pattern is a whole command without its CR ("AT+CMGF=0"), a prefix ending in "*"
    // ("AT+CMGS=*"), or "PDU" for the message lines sent after the prompt. Scripts are tried
    // in the order they were added.
    void Script(std::string pattern, PhoneBehaviour behaviour, int times = -1, int cmsCode = 0);
    // The answer to commands matching `pattern` (as for Script) comes this long after the echo,
    // as from a phone waiting on its network. The phone reads nothing meanwhile.
    void SetReplyDelay(std::string pattern, std::chrono::milliseconds delay);
    // For every command no script matches.
    void SetDefaultBehaviour(PhoneBehaviour behaviour, int cmsCode = 0);

    // The device goes away: the master side closes, as when a cable is pulled.
    void Unplug();

    // Everything received, one entry per command (without CR) or PDU line (without Ctrl-Z).
    std::vector<std::string> Commands() const;
    size_t CommandCount() const;
    // The PDU lines the phone accepted, in hex as received (message-centre field included).
    std::vector<std::string> AcceptedPdus() const;
    // The length "AT+CMGS=" announced for each PDU line received, in order.
    std::vector<int> AnnouncedLengths() const;
    // Bytes written to the phone so far.
    std::string Received() const;

private:
    struct ScriptEntry {
        std::string pattern;
        PhoneBehaviour behaviour;
        int times;
        int cmsCode;
    };

    void Run();
    void HandleBytes(const char* data, size_t size);
    void HandleCommand(const std::string& command);
    void HandlePdu(const std::string& line);
    std::string Answer(const std::string& command);
    // Picks and uses up the script for a command; must hold mutex_.
    PhoneBehaviour BehaviourFor(const std::string& key, int& cmsCode);
    void Send(const std::string& text);
    // Sleeps for the delay set for this command, if any; returns early when the phone stops.
    void WaitBeforeAnswer(const std::string& key);

    mutable std::mutex mutex_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> unplug_{false};
    std::atomic<bool> unplugged_{false};

    // Phone state; guarded by mutex_.
    bool echo_ = true;
    bool pduMode_ = false;      // numeric format, set by AT+CMGF=0
    bool awaitingPdu_ = false;  // after the prompt, until Ctrl-Z or Esc
    int announced_ = 0;
    int messageReference_ = 0;
    std::string line_;
    std::string identification_ = "Nokia 6310i";
    bool hasCsca_ = true;
    std::string csca_ = "\"+12345678901\",145";
    std::string memory_ = "SM";
    std::map<std::string, std::pair<int, int>> ranges_;
    std::map<std::string, std::vector<PhonebookEntryLine>> entries_;
    MessageMemories messages_;
    std::vector<ScriptEntry> scripts_;
    std::vector<std::pair<std::string, std::chrono::milliseconds>> delays_;
    PhoneBehaviour defaultBehaviour_ = PhoneBehaviour::Answer;
    int defaultCms_ = 0;
    std::vector<std::string> commands_;
    std::vector<std::string> acceptedPdus_;
    std::vector<int> announcedLengths_;
    std::string received_;
};

}  // namespace pixora::testing
