// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/undo_stack.h"

namespace pixora {
namespace {

// A picture told apart by its number: cell (n % 72, n / 72) set.
PictureGrid Numbered(int n) {
    PictureGrid picture;
    picture.Set(n % PictureWidth, n / PictureWidth, 1);
    return picture;
}

TEST(UndoStack, UndoRedoAndTheLimit) {
    struct Case {
        const char* what;
        std::size_t limit;
        int pushes;      // steps 1..pushes, step n from Numbered(n - 1) to Numbered(n)
        int undos;       // then this many undos
        int redos;       // then this many redos
        bool pushAfter;  // then one more step
        std::size_t count;
        int lastBefore;  // the before picture of the last step undone, -1 when none was
        bool canUndo;
        bool canRedo;
    };
    const Case cases[] = {
        {"empty", 200, 0, 1, 1, false, 0, -1, false, false},
        {"undo all and past the start", 200, 3, 5, 0, false, 3, 0, false, true},
        {"redo past the end", 200, 3, 1, 4, false, 3, 2, true, false},
        {"a new step drops the undone ones", 200, 5, 3, 0, true, 3, 2, true, false},
        {"the oldest step goes at the limit", 4, 10, 10, 0, false, 4, 6, false, true},
        {"a limit of 200 steps", 200, 250, 250, 0, false, 200, 50, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UndoStack stack(c.limit);
        for (int n = 1; n <= c.pushes; ++n) {
            stack.Push(UndoStep{"Draw", Numbered(n - 1), Numbered(n)});
        }
        int lastBefore = -1;
        for (int i = 0; i < c.undos; ++i) {
            if (const UndoStep* step = stack.Undo()) {
                for (int n = 0; n < c.pushes; ++n) {
                    if (step->before == Numbered(n)) {
                        lastBefore = n;
                    }
                }
            }
        }
        for (int i = 0; i < c.redos; ++i) {
            stack.Redo();
        }
        if (c.pushAfter) {
            stack.Push(UndoStep{"Move", Numbered(50), Numbered(51)});
        }
        EXPECT_EQ(stack.Count(), c.count);
        EXPECT_EQ(lastBefore, c.lastBefore);
        EXPECT_EQ(stack.CanUndo(), c.canUndo);
        EXPECT_EQ(stack.CanRedo(), c.canRedo);
    }
}

// What each operation does to the modified state and to the history.
TEST(Document, ModifiedStateAndHistory) {
    enum class Op {
        Edit,
        EditSame,
        Stroke,
        StrokeSame,
        Paint,
        TypeText,
        SameText,
        FileText,
        Undo,
        Reset,
        AdoptFile
    };
    struct Case {
        const char* what;
        ModifiedState from;
        Op op;
        ModifiedState to;
        std::size_t steps;  // history count afterwards, starting from one step
    };
    using M = ModifiedState;
    const Case cases[] = {
        {"an edit", M::Saved, Op::Edit, M::Modified, 2},
        {"an edit that changes nothing still counts", M::Saved, Op::EditSame, M::Modified, 1},
        {"a stroke", M::Saved, Op::Stroke, M::Modified, 2},
        {"a stroke over set cells records nothing", M::Saved, Op::StrokeSame, M::Modified, 1},
        {"painting while loading", M::Loading, Op::Paint, M::Loading, 1},
        {"typing", M::Saved, Op::TypeText, M::Modified, 1},
        {"typing the same text", M::Saved, Op::SameText, M::Saved, 1},
        {"text from a file", M::Saved, Op::FileText, M::Saved, 1},
        {"undo", M::Saved, Op::Undo, M::Modified, 1},
        {"reset", M::Modified, Op::Reset, M::Saved, 0},
        {"a file adopted", M::Modified, Op::AdoptFile, M::Saved, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc;
        doc.Edit(Numbered(1), "Move");
        doc.SetText(U"old", false);
        doc.SetModified(c.from);
        switch (c.op) {
            case Op::Edit:
                doc.Edit(Numbered(2), "Invert");
                break;
            case Op::EditSame:
                doc.Edit(doc.Picture(), "Flip Horizontal");
                break;
            case Op::Stroke:
            case Op::StrokeSame:
                doc.BeginStroke();
                doc.Paint(1, 0, true);
                doc.Paint(5, 5, c.op == Op::Stroke);
                doc.Paint(5, 5, c.op == Op::Stroke);
                doc.EndStroke();
                break;
            case Op::Paint:
                doc.Paint(9, 9, true);
                break;
            case Op::TypeText:
                doc.SetText(U"new", true);
                break;
            case Op::SameText:
                doc.SetText(U"old", true);
                break;
            case Op::FileText:
                doc.SetText(U"from file", false);
                break;
            case Op::Undo:
                ASSERT_TRUE(doc.Undo());
                EXPECT_EQ(doc.Picture(), PictureGrid());
                break;
            case Op::Reset:
                doc.Reset();
                EXPECT_EQ(doc.Picture(), PictureGrid());
                EXPECT_EQ(doc.Text(), U"");
                EXPECT_EQ(doc.DocumentName(), UntitledName);
                break;
            case Op::AdoptFile:
                doc.AdoptFile(Numbered(3), "/pics/a.npm", M::Saved, {});
                EXPECT_EQ(doc.DocumentName(), "/pics/a.npm");
                break;
        }
        EXPECT_EQ(doc.Modified(), c.to);
        EXPECT_EQ(doc.History().Count(), c.steps);
    }
}

TEST(Document, AStrokeIsOneStepAndObserversHearOfEachChange) {
    Document doc;
    std::vector<std::string> heard;
    doc.OnPictureChanged([&] { heard.push_back("picture"); });
    doc.OnCellChanged([&](int px, int py) {
        heard.push_back("cell " + std::to_string(px) + "," + std::to_string(py));
    });
    doc.OnHistoryChanged([&] { heard.push_back("history"); });
    doc.BeginStroke();
    doc.Paint(1, 2, true);
    doc.Paint(72, 0, true);  // off the picture: ignored
    doc.Paint(3, 4, true);
    doc.EndStroke();
    EXPECT_EQ(heard, (std::vector<std::string>{"cell 1,2", "cell 3,4", "history"}));
    heard.clear();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Picture().SetCount(), 0);
    EXPECT_FALSE(doc.Undo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Picture().SetCount(), 2);
    EXPECT_EQ(heard, (std::vector<std::string>{"picture", "history", "picture", "history"}));

    // A stroke still open when the history is forgotten records nothing at its end.
    doc.BeginStroke();
    doc.Paint(10, 10, true);
    doc.ClearHistory();
    doc.EndStroke();
    EXPECT_EQ(doc.History().Count(), 0u);

    // The box's own edit is not echoed when it changes nothing; text from outside always is.
    int told = 0;
    doc.OnTextChanged([&] { ++told; });
    doc.SetText(U"typed", true);
    doc.SetText(U"typed", true);
    EXPECT_EQ(told, 1);
    doc.SetText(U"typed", false);
    EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace pixora
