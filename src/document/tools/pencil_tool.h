// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Freehand painting: every cell under the pointer while a button is held, the cells between two
// pointer positions joined by a line so that a fast drag leaves no gap. The whole drag is one
// undo step.

#include <optional>

#include "document/tools/tool.h"

namespace pixora {

class Document;

class PencilTool : public Tool {
public:
    explicit PencilTool(Document& document) : doc_(document) {}

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent& event) override;
    void Release(const ToolEvent& event) override;

private:
    Document& doc_;
    bool held_ = false;
    CellPoint last_;
};

}  // namespace pixora
