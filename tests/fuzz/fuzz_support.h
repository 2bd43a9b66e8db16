// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the fuzz targets share: an abort that the fuzzer reports as a finding, the picture check
// every reader must pass, and a silent user interface and serial link for the conversations.

#include <cstdlib>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/user_interface.h"
#include "phone/serial_link.h"

namespace pixora::fuzzing {

inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every cell a reader writes is 0 or 1.
inline void CheckCells(const PictureGrid& picture) {
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            Check(picture.At(x, y) == 0 || picture.At(x, y) == 1);
        }
    }
}

// Says nothing and gives the same answer to every question.
class QuietUi : public UserInterface {
public:
    explicit QuietUi(Answer answer = AnswerOk) : answer_(answer) {}
    Answer MessageBox(const std::string&, const std::string&, MessageIcon,
                      MessageButtons) override {
        return answer_;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&, int,
                         int) override {
        return "";
    }
    void Beep() override {}
    void SetBusyPointer(bool) override {}
    std::string OpenFile(const std::string&, int, const std::string&) override { return ""; }
    std::string SaveFile(const std::string&, const std::string&, int, const std::string&,
                         const std::string&, int*) override {
        return "";
    }
    void ProcessEvents() override {}

private:
    Answer answer_;
};

class NullLink : public SerialLink {
public:
    bool Open(int, std::string_view) override { return open_ = true; }
    bool Write(std::string_view) override { return open_; }
    bool Close() override {
        open_ = false;
        return true;
    }
    bool IsOpen() const override { return open_; }

private:
    bool open_ = false;
};

}  // namespace pixora::fuzzing
