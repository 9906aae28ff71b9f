#pragma once
// The cable layout window without its window: the points of one loop in
// cable order with their distances from the panel, edited on a copy of the
// loop until OK writes the distances, the locations and the order back.
// Typed distances, lengths and locations, moves and pastes are checked here;
// a refusal says why in a box titled with the caption. Distances in
// decimetres, shown in m or ft.
//
// The distances kept are always in cable order (never one nearer the panel
// than a point before it) and within the cable; a point may have none.
//
// The window keeps a history of its own: each accepted edit is a step that
// can be undone and redone until the window closes.

#include "document/EditHistory.h"
#include "loop/clsCalculator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;
class MessageHost;

class CableLayoutCore {
public:
    // A point: an address's device (slot 0) or one of its standalone devices.
    struct Row {
        int Address = 0;
        int Slot = 0;
        int32_t Position = clsCalculator::NoPosition;
        std::string Location;
        bool operator==(const Row&) const = default;
    };
    // What an edit changes, and a step of the history puts back.
    struct State {
        std::vector<int> Order;  // the addresses in cable order
        std::vector<Row> Rows;
        bool operator==(const State&) const = default;
    };
    struct RowTexts {
        std::string Number;  // 1 for the point nearest the panel's OUT terminal
        std::string Address;
        std::string Type;
        std::string Others;    // its Other Devices; PlacedBetweenNote for a point without a distance among others with one
        std::string Distance;  // from the panel; empty without one
        std::string Length;    // from the nearest point before it with a distance
        std::string Location;
    };

    CableLayoutCore(Document& document, int units, MessageHost& host, int loop);

    // "Cable Layout - Loop 3 - Yard and loading bays".
    std::string Caption() const;
    int Units() const { return units_; }
    const std::vector<Row>& Rows() const { return rows_; }
    RowTexts Texts(size_t row) const;

    // A typed distance from the panel, or a length from the point before; an
    // empty text clears the point's distance. False (and a box) when refused.
    bool CommitDistance(size_t row, std::string_view text);
    bool CommitLength(size_t row, std::string_view text);
    // A typed location, blanks around it dropped; an empty one clears it.
    // False (and a box) when DeviceLocation refuses it.
    bool CommitLocation(size_t row, std::string_view text);

    // The row's address one place nearer the panel (-1) or farther (+1), with
    // its standalone devices; the row the point is on now, or nothing (and a
    // box) when its distance would fall out of order.
    bool CanMove(size_t row, int step) const;
    std::optional<size_t> Move(size_t row, int step);

    // Every point where the loop's lumped volt drop takes it: the first run,
    // then even steps to the end of the cable. False (and a box) without a
    // cable. When that would replace distances the points have (typed,
    // pasted, or kept from before), the user is asked first; false when the
    // answer is Cancel, with every distance as it was.
    bool SpaceEvenly();

    // Rows of an address and a distance, tab or comma separated, as a
    // spreadsheet copies them (read as CSV: quoted fields); a first row that
    // is not a number is a header.
    // The usable rows take effect; one box tells the rows that did not.
    void Paste(std::string_view text);

    // Undo or redo a step: the order and the rows as they were before or
    // after it; false when there is none. The window names the steps with
    // UndoTexts.
    bool Undo();
    bool Redo();
    const EditHistory<State>& History() const { return history_; }
    // Whether the rows or the order differ from when the window opened.
    bool HasChanges() const;
    // "Discard the changes to the cable layout of loop 2?"
    std::string DiscardQuestion() const;

    // OK: the distances, the locations and the order into the loop, which is marked changed
    // and recalculated. Cancel needs nothing: the loop has not been touched.
    void Apply();

    // How a refusal reads. Each names the points by their numbers.
    static std::string NotANumberMessage(const char* what, int units);
    static std::string BeyondCableMessage(size_t row, int32_t position, int32_t end, int units);
    static std::string NearerThanMessage(size_t row, size_t before, int32_t position, int units);
    static std::string FartherThanMessage(size_t row, size_t after, int32_t position, int units);
    static std::string MoveOutOfOrderMessage(int address, int other, int units, int32_t position, int32_t otherPosition);
    static constexpr const char* PlacedBetweenNote = "no distance: placed between its neighbours";
    static constexpr const char* NoCableMessage =
        "The loop has no total cable run to space its points along!\n\nGive it in the loop editor first.";
    static constexpr const char* NothingToPasteMessage =
        "The clipboard holds no rows of an address and a distance to paste!";
    static std::string PasteMessage(const std::vector<std::string>& refused, int32_t cleared);
    // "The clipboard's rows cannot be read: a quoted field has no closing quote (line 3)."
    static std::string UnreadablePasteMessage(const std::string& failure, size_t line);
    static std::string SpaceEvenlyQuestion(size_t replaced);

private:
    // Why a distance cannot go on a row, or nothing when it can.
    std::optional<std::string> Refusal(size_t row, int32_t position) const;
    // `step` names the edit: "Distance of", "Length to".
    bool Commit(size_t row, std::string_view text, const char* what, const char* step, int32_t from);
    // The nearest row before / after with a distance.
    std::optional<size_t> PositionedBefore(size_t row) const;
    std::optional<size_t> PositionedAfter(size_t row) const;
    int32_t CableEnd() const;
    // Where Space Evenly puts each row.
    std::vector<int32_t> EvenPositions() const;
    bool Reject(const std::string& message) const;
    void Store(const Row& row);
    void LoadRows();
    std::optional<size_t> FirstRowOf(int address) const;
    std::string Length(int32_t decimetres) const;
    State Snapshot() const;
    // A step when the edit since `before` changed anything.
    void RecordStep(State before, std::string name);
    bool PutBack(const State* state);

    Document& document_;
    int units_;
    MessageHost& host_;
    int loop_;
    clsCalculator working_;
    std::vector<Row> rows_;
    State opened_;
    EditHistory<State> history_;
};
