#pragma once
// The printer the report is laid out on: the operations of the classic
// printer object that the report uses, with its cursor rules kept here so that
// every backend (the Qt printer, the recording printer of the tests) behaves
// alike. Backends supply the page size, the text metrics and the drawing.
//
// All positions are in twips (1/1440 inch). The scale origin (scale left and
// top) says which coordinate the top-left corner of the printable area has;
// moving it to (-720, -720) puts x = 0, y = 0 half an inch inside.

#include <functional>
#include <string>
#include <string_view>
#include <utility>

struct AlongCableResult;

class ReportPrinter {
public:
    // The report measures in twips only.
    enum class Scale { Twips = 1 };

    struct Font {
        std::string Name;
        double Size = 12;  // points
        bool Bold = false;
        bool Italic = false;
        bool Underline = false;
    };

    virtual ~ReportPrinter() = default;

    // The voltage plot's texts are the body font's, this much smaller and
    // plain, so that they stay clear of one another.
    static constexpr double PlotFontScale = 0.85;

    // The average character width the classic font tables give, from the
    // advance of each lowercase letter and of the blank: those weighted by
    // their frequency in English text. The report's tab columns were laid
    // out with it; newer fonts record an average over all their glyphs
    // instead, which is far wider.
    static double ClassicAverageCharacterWidth(const std::function<double(char)>& advance);

    // The font of the text printed next.
    const Font& CurrentFont() const { return font_; }
    void SetFontName(std::string name) { font_.Name = std::move(name); }
    const std::string& FontName() const { return font_.Name; }
    void SetFontSize(double points) { font_.Size = points; }
    double FontSize() const { return font_.Size; }
    void SetFontBold(bool on) { font_.Bold = on; }
    bool FontBold() const { return font_.Bold; }
    void SetFontItalic(bool on) { font_.Italic = on; }
    bool FontItalic() const { return font_.Italic; }
    void SetFontUnderline(bool on) { font_.Underline = on; }
    bool FontUnderline() const { return font_.Underline; }

    void SetScaleMode(Scale mode) { scaleMode_ = mode; }
    Scale ScaleMode() const { return scaleMode_; }
    void SetScaleLeft(double twips) { scaleLeft_ = twips; }
    double ScaleLeft() const { return scaleLeft_; }
    void SetScaleTop(double twips) { scaleTop_ = twips; }
    double ScaleTop() const { return scaleTop_; }
    // The printable area of a page.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    double CurrentX() const { return currentX_; }
    void SetCurrentX(double x) { currentX_ = x; }
    double CurrentY() const { return currentY_; }
    void SetCurrentY(double y) { currentY_ = y; }

    // Measured in the current font.
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;

    // 1 on the first page.
    int Page() const { return page_; }

    // Moves to character column `column` (columns of the current font's
    // average character width, counted from x = 0). A column left of the
    // current position is reached on the next line, as the classic printer
    // does.
    void PrintTab(int column);
    // Where PrintTab(column) puts the next text.
    double TabX(int column) const { return column * AverageCharacterWidth(); }
    // Prints at the current position and moves current x past the text. Text
    // that would run below the printable area goes to the top of a new page
    // first, without any header.
    void PrintText(std::string_view text);
    // Draws a loop's voltage plot from the current position, `width` twips
    // wide and `lines` lines of the current font high, and moves below it. A
    // plot that would run below the printable area starts a new page first,
    // as text does. Lengths in metres or feet by `units`.
    void PrintVoltagePlot(const AlongCableResult& result, int units, double width, int lines);
    // Ends the line: current x back to 0, current y one line lower.
    void EndLine();
    // Starts the next page at x = 0, y = 0.
    void NewPage();
    // Finishes the document and sends it to the printer.
    virtual void EndDoc() = 0;
    // Abandons the document: nothing of it is printed.
    virtual void KillDoc() = 0;

    virtual std::string DeviceName() const = 0;
    virtual std::string Port() const = 0;

protected:
    // Draws text whose top-left corner is at (x, y) twips from the top-left
    // corner of the printable area, in the current font.
    virtual void DrawText(double x, double y, std::string_view text) = 0;
    // Draws the voltage plot in the box whose top-left corner is at (x, y)
    // twips from the top-left corner of the printable area.
    virtual void DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                                 int units) = 0;
    // Ejects the page and begins the next one.
    virtual void StartNextPage() = 0;
    virtual double AverageCharacterWidth() const = 0;

private:
    Font font_;
    Scale scaleMode_ = Scale::Twips;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double currentX_ = 0;
    double currentY_ = 0;
    int page_ = 1;
};
