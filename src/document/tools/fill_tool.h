// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Flood fill: a click fills the 4-connected area under the pointer, set with the left button,
// clear with the right; one undo step.

#include "document/tools/tool.h"

namespace pixora {

class Document;

class FillTool : public Tool {
public:
    explicit FillTool(Document& document) : doc_(document) {}

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent&) override {}
    void Release(const ToolEvent&) override {}

private:
    Document& doc_;
};

}  // namespace pixora
