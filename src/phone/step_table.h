// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A conversation's steps written down as constant tables, one row per step: the command (fixed
// text, or a builder for the commands that carry a length or an index range), the reply that
// completes it, its progress marker and the error text. A run is the rows it takes, in order,
// possibly from several tables (the phonebook's SIM and phone-memory parts); the engine asks for
// each step as it is about to write it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/translate.h"
#include "phone/at_engine.h"

namespace pixora {

// "{port}" in an error text stands for the COM number of the run.
std::string WithPortNumber(std::string_view text, int port);

template <class Context>
struct StepRow {
    std::string_view command = {};  // written as is when there is no builder
    // Builds the command from the run's context; `part` is the row's own (a segment number).
    std::string (*build)(const Context& context, int part) = nullptr;
    int part = 0;
    Reply expected = Reply::Ok;
    int marker = 0;
    std::string_view errorText = {};
};

// The step of one row for this run.
template <class Context>
Step BuildRow(const StepRow<Context>& row, const Context& context, int port) {
    return {row.build != nullptr ? row.build(context, row.part) : std::string(row.command),
            row.expected, row.marker,
            WithPortNumber(TranslateText("Phone", std::string(row.errorText).c_str()), port)};
}

// Step `index` of a single table; an empty step past its end.
template <class Context>
Step TableStep(std::span<const StepRow<Context>> table, int index, const Context& context,
               int port) {
    if (index < 0 || static_cast<size_t>(index) >= table.size()) {
        return {};
    }
    return BuildRow(table[static_cast<size_t>(index)], context, port);
}

template <class Context>
class StepPlan {
public:
    void Clear() { rows_.clear(); }
    void Add(std::span<const StepRow<Context>> rows) {
        for (const StepRow<Context>& row : rows) {
            rows_.push_back(&row);
        }
    }
    // Takes row `index` out of the plan, e.g. the rest of a part the phone refused.
    void Drop(int index) {
        if (index >= 0 && index < Count()) {
            rows_.erase(rows_.begin() + index);
        }
    }
    int Count() const { return static_cast<int>(rows_.size()); }
    // Row `index`; nullptr past the end.
    const StepRow<Context>* Row(int index) const {
        return index >= 0 && index < Count() ? rows_[static_cast<size_t>(index)] : nullptr;
    }
    Step Build(int index, const Context& context, int port) const {
        const StepRow<Context>* row = Row(index);
        return row != nullptr ? BuildRow(*row, context, port) : Step{};
    }

private:
    std::vector<const StepRow<Context>*> rows_;
};

}  // namespace pixora
