// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A serial link for engine tests: records what the engine writes and holds the phone's answers
// until the test delivers them, as a real port delivers them some time after the write.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "phone/at_engine.h"
#include "phone/serial_link.h"

namespace pixora::testing {

class ScriptedLink : public SerialLink {
public:
    bool Open(int portNumber, std::string_view settings) override {
        openedPort = portNumber;
        openedSettings = std::string(settings);
        ++opens;
        open_ = openSucceeds;
        if (onOpen) {
            onOpen();
        }
        return open_;
    }
    bool Write(std::string_view bytes) override {
        writes.emplace_back(bytes);
        if (!open_ || !writeSucceeds) {
            return false;
        }
        if (responder) {
            pending += responder(std::string(bytes));
        }
        return true;
    }
    bool Close() override {
        ++closes;
        open_ = false;
        return closeSucceeds;
    }
    bool IsOpen() const override { return open_; }

    // The port vanishes without the engine closing it.
    void Vanish() { open_ = false; }
    // Hands everything the phone said since the last delivery to the engine.
    void Deliver(AtEngine& engine) {
        if (!pending.empty()) {
            std::string bytes;
            bytes.swap(pending);
            engine.Received(bytes);
        }
    }
    int CountWrites(std::string_view command) const {
        int n = 0;
        for (const auto& w : writes) {
            n += w == command ? 1 : 0;
        }
        return n;
    }

    bool openSucceeds = true;
    bool writeSucceeds = true;
    bool closeSucceeds = true;
    std::function<std::string(const std::string&)> responder;
    // Runs while the port opens (what the user does while a question about the port is shown).
    std::function<void()> onOpen;
    std::string pending;
    std::vector<std::string> writes;
    int openedPort = -1;
    std::string openedSettings;
    int opens = 0;
    int closes = 0;

private:
    bool open_ = false;
};

// Answers by command, like a phone with echo off; unknown commands get nothing.
inline std::function<std::string(const std::string&)> AnswerTable(
    std::map<std::string, std::string> answers) {
    return [answers = std::move(answers)](const std::string& command) {
        auto it = answers.find(command);
        return it == answers.end() ? std::string() : it->second;
    };
}

// Delivers the phone's answers and ticks until the conversation has ended. Returns the tick on
// which it did (0: it was not running), or -1 when it still runs after `limit` ticks.
// beforeTick runs after each delivery, just before the tick.
inline int TicksUntilDone(AtEngine& engine, ScriptedLink& link,
                          const std::function<void(int tick)>& beforeTick = {}, int limit = 100) {
    int tick = 0;
    while (engine.Running() && tick < limit) {
        ++tick;
        link.Deliver(engine);
        if (beforeTick) {
            beforeTick(tick);
        }
        engine.Tick();
    }
    return engine.Running() ? -1 : tick;
}

}  // namespace pixora::testing
