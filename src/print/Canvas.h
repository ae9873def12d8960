#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// The surface a protocol page is drawn on: a printer page, a PDF page, or a recorder in tests.
// Coordinates are device pixels with the origin at the top-left corner of the printable area;
// every text is code page 1251 and is placed by its top-left corner.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Selects the font. A negative size is the height of the character cell in points, a
    // positive one the height of the characters alone (the printer font convention).
    virtual void SetFont(const std::string &name, int charset, int size) = 0;
    virtual void SetStyle(bool bold, bool underline) = 0;

    virtual int TextWidth(const std::string &text) = 0;
    virtual int TextHeight(const std::string &text) = 0;
    virtual void TextOut(int x, int y, const std::string &text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;

    // Height of the printable area of one page, in device pixels.
    virtual int PageHeight() = 0;
    // Ends the current page and starts an empty one. Throws PrintFailure when the device fails.
    virtual void NewPage() = 0;
};

// The printer or its driver failed while a job was open; the job cannot go on.
class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velmora
