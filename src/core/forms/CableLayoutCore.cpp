#include "forms/CableLayoutCore.h"

#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "loop/AlongCable.h"
#include "loop/DeviceLocation.h"
#include "platform/MessageHost.h"
#include "text/Blanks.h"
#include "text/CsvReader.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Scaling.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <map>

namespace {

constexpr int32_t NoPosition = clsCalculator::NoPosition;
constexpr const char* DistanceWhat = "distance from the panel";
constexpr const char* LengthWhat = "length from the point before";
// The rows a paste box lists before it only counts the rest.
constexpr size_t ListedPasteRows = 10;

std::string PointName(size_t row) { return "point " + std::to_string(row + 1); }

std::string Capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string LengthWithUnit(double decimetres, int units)
{
    return Scaling::FormatLengthTenths(decimetres, units) + " " + Scaling::LengthUnitsText(units, false);
}

// A pasted field without the blanks and one pair of quotes around it, as
// spreadsheets and hand-typed lists write them.
std::string PastedField(std::string_view text)
{
    std::string_view field = Blanks::Trim(text);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = Blanks::Trim(field.substr(1, field.size() - 2));
    return std::string(field);
}

void StorePoint(clsCalculator& loop, const CableLayoutCore::Row& row)
{
    if (row.Slot == 0) {
        loop.SetCablePosition(row.Address, row.Position);
        loop.SetLocation(row.Address, row.Location);
    } else {
        loop.SetStandaloneCablePosition(row.Address, row.Slot, row.Position);
        loop.SetStandaloneLocation(row.Address, row.Slot, row.Location);
    }
}

CableLayoutCore::Row PointOf(const clsCalculator& loop, int address, int slot)
{
    if (slot == 0)
        return {address, slot, loop.CablePosition(address), loop.Location(address)};
    return {address, slot, loop.StandaloneCablePosition(address, slot), loop.StandaloneLocation(address, slot)};
}

}  // namespace

CableLayoutCore::CableLayoutCore(Document& document, int units, MessageHost& host, int loop)
    : document_(document), units_(units), host_(host), loop_(loop), working_(document.Loop(loop).Copy())
{
    LoadRows();
    opened_ = Snapshot();
}

std::string CableLayoutCore::Caption() const
{
    return "Cable Layout - " + LoopTitle(loop_, document_.LoopName(loop_));
}

// The points as the analysis along the cable walks them.
void CableLayoutCore::LoadRows()
{
    // The points as the analysis along the cable takes them, in cable order.
    rows_.clear();
    for (const AlongCablePoint& point : working_.AnalyseAlongCable(DefaultPointsPerSection).Points)
        rows_.push_back(PointOf(working_, point.Address, point.Slot));
}

void CableLayoutCore::Store(const Row& row) { StorePoint(working_, row); }

CableLayoutCore::State CableLayoutCore::Snapshot() const { return {working_.CableOrder(), rows_}; }

void CableLayoutCore::RecordStep(State before, std::string name)
{
    State after = Snapshot();
    if (!(after == before))
        history_.Record({std::move(name), std::move(before), std::move(after), {}});
}

bool CableLayoutCore::Undo() { return PutBack(history_.Undo()); }
bool CableLayoutCore::Redo() { return PutBack(history_.Redo()); }

bool CableLayoutCore::PutBack(const State* state)
{
    if (!state)
        return false;
    working_.SetCableOrder(state->Order);
    rows_ = state->Rows;
    for (const Row& row : rows_)
        Store(row);
    return true;
}

bool CableLayoutCore::HasChanges() const { return !(Snapshot() == opened_); }

std::string CableLayoutCore::DiscardQuestion() const
{
    return "Discard the changes to the cable layout of loop " + std::to_string(loop_) + "?";
}

std::string CableLayoutCore::Length(int32_t decimetres) const
{
    return Scaling::FormatLengthTenths(decimetres, units_);
}

CableLayoutCore::RowTexts CableLayoutCore::Texts(size_t row) const
{
    const Row& point = rows_.at(row);
    const Catalogue& catalogue = document_.Catalog();
    RowTexts texts{std::to_string(row + 1), std::to_string(point.Address), {}, {}, {}, {}, point.Location};
    if (point.Slot == 0) {
        texts.Type = catalogue.DeviceType(working_.DeviceType(point.Address)).Name;
        for (const int16_t other : {working_.DeviceOtherType(point.Address), working_.DeviceOtherBaseType(point.Address)})
            if (other != 0)
                texts.Others += (texts.Others.empty() ? "" : ", ") + catalogue.OtherDevice(other).SingleName;
    } else {
        texts.Type = catalogue.OtherDevice(working_.DeviceStandalone(point.Address, point.Slot)).SingleName;
        texts.Others = "standalone, slot " + std::to_string(point.Slot);
    }
    if (point.Position != NoPosition) {
        const std::optional<size_t> before = PositionedBefore(row);
        texts.Distance = Length(point.Position);
        texts.Length = Length(point.Position - (before ? rows_[*before].Position : 0));
    } else if (PositionedBefore(rows_.size())) {
        // The analysis places it between the points around it that have one.
        texts.Others += (texts.Others.empty() ? "" : "; ") + std::string(PlacedBetweenNote);
    }
    return texts;
}

std::optional<size_t> CableLayoutCore::PositionedBefore(size_t row) const
{
    for (size_t r = row; r-- > 0;)
        if (rows_[r].Position != NoPosition)
            return r;
    return std::nullopt;
}

std::optional<size_t> CableLayoutCore::PositionedAfter(size_t row) const
{
    for (size_t r = row + 1; r < rows_.size(); ++r)
        if (rows_[r].Position != NoPosition)
            return r;
    return std::nullopt;
}

// Where the calculation finds the longest run, the cable's length is a
// result: the distances may go to the longest cable there is.
int32_t CableLayoutCore::CableEnd() const
{
    return working_.CalcType() == CalculationType::MaxCableRun ? clsCalculator::MaxCableLength : working_.CableTotal();
}

bool CableLayoutCore::Reject(const std::string& message) const
{
    MsgBox(host_, message, MsgStyle::Exclamation, Caption());
    return false;
}

std::optional<std::string> CableLayoutCore::Refusal(size_t row, int32_t position) const
{
    if (position > CableEnd())
        return BeyondCableMessage(row, position, CableEnd(), units_);
    if (const std::optional<size_t> before = PositionedBefore(row); before && rows_[*before].Position > position)
        return NearerThanMessage(row, *before, rows_[*before].Position, units_);
    if (const std::optional<size_t> after = PositionedAfter(row); after && rows_[*after].Position < position)
        return FartherThanMessage(row, *after, rows_[*after].Position, units_);
    return std::nullopt;
}

bool CableLayoutCore::Commit(size_t row, std::string_view text, const char* what, const char* step, int32_t from)
{
    State before = Snapshot();
    Row& point = rows_.at(row);
    if (Blanks::Trim(text).empty()) {
        point.Position = NoPosition;
        Store(point);
        RecordStep(std::move(before), "Clear distance of " + PointName(row));
        return true;
    }
    const std::optional<int32_t> typed = Scaling::ParseLengthTenths(text, units_);
    if (!typed || *typed < 0)
        return Reject(NotANumberMessage(what, units_));
    const int32_t position = static_cast<int32_t>(std::min<int64_t>(int64_t{from} + *typed, INT32_MAX));
    if (const std::optional<std::string> refusal = Refusal(row, position))
        return Reject(*refusal);
    point.Position = position;
    Store(point);
    RecordStep(std::move(before), std::string(step) + " " + PointName(row) + " " + LengthWithUnit(*typed, units_));
    return true;
}

bool CableLayoutCore::CommitDistance(size_t row, std::string_view text)
{
    return Commit(row, text, DistanceWhat, "Distance of", 0);
}

bool CableLayoutCore::CommitLength(size_t row, std::string_view text)
{
    const std::optional<size_t> before = PositionedBefore(row);
    return Commit(row, text, LengthWhat, "Length to", before ? rows_[*before].Position : 0);
}

bool CableLayoutCore::CommitLocation(size_t row, std::string_view text)
{
    std::string location = DeviceLocation::Cleaned(text);
    if (const std::string refusal = DeviceLocation::Refusal(location); !refusal.empty())
        return Reject(refusal);
    State before = Snapshot();
    Row& point = rows_.at(row);
    const bool cleared = location.empty();
    point.Location = std::move(location);
    Store(point);
    RecordStep(std::move(before), (cleared ? "Clear location of " : "Location of ") + PointName(row));
    return true;
}

namespace {

// The address at the cable position nearest `from`, one way, with points.
std::optional<int> NeighbourWithPoints(const clsCalculator& loop, int from, int step)
{
    for (int p = loop.AddressOrder(from) + step; p >= 0 && p < clsCalculator::AddressCount; p += step) {
        const int a = loop.AddressAtPosition(p);
        if (loop.DeviceType(a) != 0 || loop.DeviceStandaloneCount(a) > 0)
            return a;
    }
    return std::nullopt;
}

}  // namespace

bool CableLayoutCore::CanMove(size_t row, int step) const
{
    return row < rows_.size() && NeighbourWithPoints(working_, rows_[row].Address, step).has_value();
}

std::optional<size_t> CableLayoutCore::Move(size_t row, int step)
{
    if (!CanMove(row, step))
        return std::nullopt;
    const Row moved = rows_[row];
    const int other = *NeighbourWithPoints(working_, moved.Address, step);
    // The two addresses trade places: the one that ends up nearer the panel
    // must have no distance beyond the other's.
    const auto [nearer, farther] = step < 0 ? std::pair{moved.Address, other} : std::pair{other, moved.Address};
    int32_t nearerMost = NoPosition;
    int32_t fartherLeast = INT32_MAX;
    for (const Row& point : rows_) {
        if (point.Position == NoPosition)
            continue;
        if (point.Address == nearer)
            nearerMost = std::max(nearerMost, point.Position);
        else if (point.Address == farther)
            fartherLeast = std::min(fartherLeast, point.Position);
    }
    if (nearerMost != NoPosition && fartherLeast != INT32_MAX && nearerMost > fartherLeast) {
        Reject(MoveOutOfOrderMessage(moved.Address, other, units_, step < 0 ? nearerMost : fartherLeast,
                                     step < 0 ? fartherLeast : nearerMost));
        return std::nullopt;
    }
    State before = Snapshot();
    working_.SetAddressOrder(moved.Address, working_.AddressOrder(other));
    LoadRows();
    RecordStep(std::move(before), "Move address " + std::to_string(moved.Address) +
                                      (step < 0 ? " nearer the panel" : " farther from the panel"));
    for (size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].Address == moved.Address && rows_[r].Slot == moved.Slot)
            return r;
    return std::nullopt;
}

std::vector<int32_t> CableLayoutCore::EvenPositions() const
{
    std::vector<int32_t> positions;
    for (size_t j = 0; j < rows_.size(); ++j)
        positions.push_back(
            *Rounding::ToInt32(LumpedPosition(working_.CableFirst(), working_.CableTotal(), j, rows_.size())));
    return positions;
}

bool CableLayoutCore::SpaceEvenly()
{
    if (working_.CableTotal() <= 0)
        return Reject(NoCableMessage);
    const std::vector<int32_t> even = EvenPositions();
    size_t replaced = 0;
    for (size_t j = 0; j < rows_.size(); ++j)
        replaced += rows_[j].Position != NoPosition && rows_[j].Position != even[j] ? 1 : 0;
    if (replaced > 0 && MsgBox(host_, SpaceEvenlyQuestion(replaced),
                               MsgStyle::OKCancel + MsgStyle::Question + MsgStyle::DefaultButton2,
                               Caption()) != MsgResult::OK)
        return false;
    State before = Snapshot();
    for (size_t j = 0; j < rows_.size(); ++j) {
        rows_[j].Position = even[j];
        Store(rows_[j]);
    }
    RecordStep(std::move(before), "Space Evenly");
    return true;
}

std::optional<size_t> CableLayoutCore::FirstRowOf(int address) const
{
    for (size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].Address == address)
            return r;
    return std::nullopt;
}

void CableLayoutCore::Paste(std::string_view text)
{
    struct Pasted {
        std::string Line;  // as the box names it
        int32_t Position;
    };
    State opening = Snapshot();
    std::map<size_t, Pasted> pasted;  // by row, the last one pasted for it
    std::vector<std::string> refused;
    bool headerSeen = false;
    bool dataSeen = false;
    // Tab separated as a spreadsheet copies, else comma separated.
    const CsvReader::Table table = CsvReader::Read(text, text.find('\t') != std::string_view::npos ? '\t' : ',');
    if (!table.Read()) {
        Reject(UnreadablePasteMessage(table.Failure, table.FailureLine));
        return;
    }
    for (size_t lineNumber = 0; lineNumber < table.Records.size(); ++lineNumber) {
        const CsvReader::Record& record = table.Records[lineNumber];
        const std::string addressText = PastedField(record[0]);
        if (addressText.empty() && record.size() == 1)
            continue;  // a blank line
        const std::string distanceText = record.size() > 1 ? PastedField(record[1]) : "";
        const bool firstLine = !headerSeen && !dataSeen;
        if (firstLine && !IsNumericText(addressText)) {
            headerSeen = true;
            continue;
        }
        dataSeen = true;
        const std::string name = "row " + std::to_string(lineNumber + 1) + " (" + addressText + ", " + distanceText + ")";
        const double address = IsNumericText(addressText) ? LeadingNumber(addressText) : -1;
        const std::optional<size_t> row =
            address >= 0 && address < clsCalculator::AddressCount && address == static_cast<int>(address)
                ? FirstRowOf(static_cast<int>(address))
                : std::nullopt;
        const std::optional<int32_t> distance = Scaling::ParseLengthTenths(distanceText, units_);
        if (!row)
            refused.push_back(name + ": not an address with a device on this loop");
        else if (!distance || *distance < 0)
            refused.push_back(name + ": the distance is not a number of " + Scaling::LengthUnitsText(units_, true) +
                              ", 0 or more");
        else if (*distance > CableEnd())
            refused.push_back(name + ": beyond the end of the cable (" + LengthWithUnit(CableEnd(), units_) + ")");
        else
            pasted[*row] = {name, *distance};
    }
    if (!dataSeen) {
        Reject(NothingToPasteMessage);
        return;
    }
    // The pasted distances among themselves, in cable order.
    int32_t highest = 0;
    for (auto it = pasted.begin(); it != pasted.end();) {
        if (it->second.Position < highest) {
            refused.push_back(it->second.Line + ": out of order along the cable");
            it = pasted.erase(it);
            continue;
        }
        highest = it->second.Position;
        ++it;
    }
    // A distance kept from before must fit between the pasted ones around it.
    int32_t cleared = 0;
    int32_t before = 0;
    for (size_t r = 0; r < rows_.size(); ++r) {
        Row& point = rows_[r];
        if (const auto it = pasted.find(r); it != pasted.end()) {
            point.Position = before = it->second.Position;
        } else if (point.Position != NoPosition) {
            const auto next = pasted.upper_bound(r);
            const int32_t after = next != pasted.end() ? next->second.Position : INT32_MAX;
            if (point.Position < before || point.Position > after) {
                point.Position = NoPosition;
                ++cleared;
            }
        }
        Store(point);
    }
    RecordStep(std::move(opening), "Paste");
    if (!refused.empty() || cleared > 0)
        Reject(PasteMessage(refused, cleared));
}

void CableLayoutCore::Apply()
{
    clsCalculator& loop = document_.Loop(loop_);
    const std::vector<int> order = working_.CableOrder();
    bool changed = loop.CableOrder() != order;
    loop.SetCableOrder(order);
    for (const Row& row : rows_) {
        changed = changed || !(PointOf(loop, row.Address, row.Slot) == row);
        StorePoint(loop, row);
    }
    if (changed)
        document_.MarkChanged();
    CalculationSupport::RecalculateLoop(document_, loop_);
}

std::string CableLayoutCore::NotANumberMessage(const char* what, int units)
{
    return std::string("The ") + what + " must be a number of " + Scaling::LengthUnitsText(units, true) +
           ", 0 or more!";
}

std::string CableLayoutCore::BeyondCableMessage(size_t row, int32_t position, int32_t end, int units)
{
    return Capitalized(PointName(row)) + " cannot be " + LengthWithUnit(position, units) +
           " from the panel: the cable is only " + LengthWithUnit(end, units) + " long!";
}

std::string CableLayoutCore::NearerThanMessage(size_t row, size_t before, int32_t position, int units)
{
    return Capitalized(PointName(row)) + " cannot be nearer the panel than " + PointName(before) +
           ", which comes before it at " + LengthWithUnit(position, units) + "!";
}

std::string CableLayoutCore::FartherThanMessage(size_t row, size_t after, int32_t position, int units)
{
    return Capitalized(PointName(row)) + " cannot be farther from the panel than " + PointName(after) +
           ", which comes after it at " + LengthWithUnit(position, units) + "!";
}

std::string CableLayoutCore::MoveOutOfOrderMessage(int address, int other, int units, int32_t position,
                                                   int32_t otherPosition)
{
    return "Address " + std::to_string(address) + " cannot pass address " + std::to_string(other) +
           " along the cable: their distances from the panel (" + LengthWithUnit(position, units) + " and " +
           LengthWithUnit(otherPosition, units) + ") would be out of order!\n\nChange or clear one of them first.";
}

std::string CableLayoutCore::SpaceEvenlyQuestion(size_t replaced)
{
    const bool one = replaced == 1;
    return std::string("Spacing the points evenly replaces the ") + (one ? "distance" : "distances") +
           " from the panel given for " + std::to_string(replaced) + (one ? " point" : " points") +
           ".\n\nDo you want to replace " + (one ? "it?" : "them?");
}

std::string CableLayoutCore::UnreadablePasteMessage(const std::string& failure, size_t line)
{
    return "The clipboard's rows cannot be read: " + failure + " (line " + std::to_string(line) + ").";
}

std::string CableLayoutCore::PasteMessage(const std::vector<std::string>& refused, int32_t cleared)
{
    std::string message;
    if (!refused.empty()) {
        message = "These rows of the clipboard could not be used:\n";
        for (size_t i = 0; i < std::min(refused.size(), ListedPasteRows); ++i)
            message += "\n" + refused[i];
        if (refused.size() > ListedPasteRows)
            message += "\nand " + std::to_string(refused.size() - ListedPasteRows) + " more";
    }
    if (cleared > 0)
        message += (message.empty() ? "" : "\n\n") + std::string("The distances of ") + std::to_string(cleared) +
                   (cleared == 1 ? " other point" : " other points") +
                   ", out of order with the pasted ones, have been cleared.";
    return message;
}
