#pragma once
// The cable comparison window without its window: every enabled cable of
// the catalogue on one loop (CompareCables), one read-only row each, the
// smallest passing cable marked and a failing row saying why. "Use This
// Cable" hands the row's cable to the loop editor, which sets it as its
// cable list does. Lengths and impedances in the unit system `units`.

#include "document/CableComparison.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

class Document;

class CableComparisonCore {
public:
    enum Column {
        CableColumn,
        ImpedanceColumn,
        VoltDropColumn,
        VerdictColumn,
        LongestRunColumn,
        WholeColumn,
        OpenInColumn,
        OpenOutColumn,
        ResultColumn,
        ColumnCount
    };
    using CellTexts = std::array<std::string, ColumnCount>;
    struct RowTexts {
        CellTexts Cells;
        bool Smallest = false;  // shown marked
        bool Pass = false;      // a failing row is shown as failing
        bool OwnCable = false;  // the loop's cable now
    };

    static constexpr const char* SmallestText = "Smallest";
    static constexpr const char* PassText = "Passes";
    static constexpr const char* MarginsText =
        "Whole, Open IN and Open OUT: the least margin of any device over its minimum voltage with the loop whole "
        "or open at its IN or OUT end.";
    static constexpr const char* SmallestMeaningText =
        "The smallest cable is the thinnest that passes (the highest impedance): the loop satisfactory and every "
        "device above its minimum voltage whether the loop is whole or open at either end.";

    CableComparisonCore(const Document& document, int units, int loop);

    // "Compare Cables - Loop 3", or "Compare Cables - Loop 3 - Yard and loading bays".
    std::string Caption() const;
    // What the rows are taken at and what "smallest" means, a line each.
    std::string Explanation() const;
    // The column headings, units included.
    CellTexts Headings() const { return HeadingsFor(units_); }
    size_t RowCount() const { return comparison_.Rows.size(); }
    RowTexts Texts(size_t row) const { return TextsFor(comparison_, row, units_); }
    // The same for any comparison, as the headless calculator prints it.
    static CellTexts HeadingsFor(int units);
    static RowTexts TextsFor(const CableComparison& comparison, size_t row, int units);
    const CableComparison& Comparison() const { return comparison_; }
    // The row selected on opening: the loop's own cable, else the smallest
    // passing one, else the first.
    std::optional<size_t> FirstSelectedRow() const;

    // Whether "Use This Cable" may set the row's cable on the loop: not the
    // loop's cable already, and not under "Min Cable Size", whose result is
    // the cable.
    bool CanUseCable(size_t row) const;
    // The row's position in the catalogue's cables.
    int CableOf(size_t row) const { return comparison_.Rows[row].Cable; }

private:
    // "Fails open at IN end (address 40)" or the verdict's "Fails: Volt Drop Too High".
    static std::string FailureText(const CableComparisonRow& row);

    const Document& document_;
    int units_;
    int loop_;
    CableComparison comparison_;
};
