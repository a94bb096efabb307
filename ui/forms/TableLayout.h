// A form's table of controls (ControlTable.h) as data, worked out when the
// program is compiled: each row's kind, name, parent and place.
// The heights that the rows decide are worked out here, not written down:
//   - a group box whose height is RowsPlus{margin} is as tall as its lowest
//     row and the margin below it; group boxes side by side (in one parent,
//     at one top) that are sized so are as tall as the tallest of them;
//   - the form's client area is as tall as its lowest group box (or, on a
//     form without one, its lowest row) and the form's margin below it.
// Rows placed beyond the client area on purpose (a hidden button) are not
// group boxes, so they leave the form's height alone where it has groups.
#pragma once

#include "Bounds.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tarnwick::forms {

// A height said as the room below the lowest row within.
struct RowsPlus {
    int margin;
};

struct TableRow {
    std::string_view kind;      // the control's class in forms: "GroupBox", "Label", ...
    std::string_view name;      // its member
    std::string_view parent;    // "*this": the form itself
    std::string_view arguments; // the rest of the row, as written
    Bounds place;               // in its parent, in pixels at 96 dots per inch
    int margin = -1;            // a group box as tall as its rows: the room below them

    constexpr TableRow(std::string_view ofKind, std::string_view named, std::string_view in,
                       std::string_view rest, int left, int top, int width, int height)
        : kind(ofKind), name(named), parent(in), arguments(rest), place{left, top, width, height} {}
    constexpr TableRow(std::string_view ofKind, std::string_view named, std::string_view in,
                       std::string_view rest, int left, int top, int width, RowsPlus height)
        : TableRow(ofKind, named, in, rest, left, top, width, 0) {
        margin = height.margin;
    }

    constexpr bool IsGroupBox() const { return kind == "GroupBox"; }
    constexpr bool OnForm() const { return parent == "*this"; }
    constexpr bool IsGroupBoxOnForm() const { return IsGroupBox() && OnForm(); }
};

template <std::size_t N> struct TableLayout {
    std::array<TableRow, N> rows;
    int clientWidth = 0;
    int clientHeight = 0;

    // The row of that name; N where there is none.
    constexpr std::size_t IndexOf(std::string_view name) const {
        std::size_t i = 0;
        while (i < N && rows[i].name != name)
            ++i;
        return i;
    }

    // A row's place, for its control's constructor: said when compiling only.
    consteval Bounds PlaceOf(std::string_view name) const { return rows.at(IndexOf(name)).place; }

    // Where the row's parent starts in the form's client area.
    constexpr Bounds OriginOf(const TableRow& row) const {
        Bounds origin;
        for (const TableRow* in = &row; !in->OnForm();) {
            in = &rows[IndexOf(in->parent)];
            origin.left += in->place.left;
            origin.top += in->place.top;
        }
        return origin;
    }

    // Whether the row stands on the form or in a group box of a row above
    // it, which is made before it.
    consteval bool ParentIsAbove(std::string_view name) const {
        const std::size_t row = IndexOf(name);
        if (row == N || rows[row].OnForm()) return true;
        const std::size_t parent = IndexOf(rows[row].parent);
        return parent < row && rows[parent].IsGroupBox();
    }

    // How many rows are of the kind, and, given a word, name it in their
    // arguments (a combo box's kind, a scroll bar's orientation).
    constexpr int Count(std::string_view kind, std::string_view word = {}) const {
        return int(std::count_if(rows.begin(), rows.end(), [&](const TableRow& row) {
            return row.kind == kind && row.arguments.find(word) != std::string_view::npos;
        }));
    }

    // Whether two group boxes on the form cover each other: a group that grew
    // with a new row reaches into the one below it.
    constexpr bool GroupBoxesOverlap() const {
        for (std::size_t i = 0; i < N; ++i)
            for (std::size_t j = i + 1; j < N; ++j)
                if (rows[i].IsGroupBoxOnForm() && rows[j].IsGroupBoxOnForm() &&
                    Overlap(rows[i].place, rows[j].place))
                    return true;
        return false;
    }

  private:
    static constexpr bool Overlap(const Bounds& a, const Bounds& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    }
};

namespace table_layout {

constexpr int Bottom(const Bounds& place) { return place.top + place.height; }

// The lowest bottom of the rows in parent that pass the test; 0 for none.
template <std::size_t N, class Test>
constexpr int LowestIn(const std::array<TableRow, N>& rows, std::string_view parent, Test test) {
    int lowest = 0;
    for (const TableRow& row : rows)
        if (row.parent == parent && test(row)) lowest = std::max(lowest, Bottom(row.place));
    return lowest;
}

} // namespace table_layout

// The table's rows laid out, and the client area clientWidth wide with
// below.margin under its lowest group box or row.
template <std::size_t N>
consteval TableLayout<N> LayOut(int clientWidth, RowsPlus below, std::array<TableRow, N> rows) {
    using table_layout::LowestIn;
    const auto any = [](const TableRow&) { return true; };
    // From the last row up, so that a group box within a group box is sized
    // before the one it stands in.
    for (std::size_t i = N; i-- > 0;)
        if (rows[i].margin >= 0)
            rows[i].place.height = LowestIn(rows, rows[i].name, any) + rows[i].margin;
    std::array<TableRow, N> level = rows;
    for (TableRow& group : level)
        for (const TableRow& beside : rows)
            if (group.margin >= 0 && beside.margin >= 0 && beside.parent == group.parent &&
                beside.place.top == group.place.top)
                group.place.height = std::max(group.place.height, beside.place.height);
    const bool groups = std::ranges::any_of(level, &TableRow::IsGroupBoxOnForm);
    const int lowest =
        LowestIn(level, "*this", [&](const TableRow& row) { return row.IsGroupBox() || !groups; });
    return {level, clientWidth, lowest + below.margin};
}

} // namespace tarnwick::forms
