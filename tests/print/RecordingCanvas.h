#pragma once

#include "Canvas.h"
#include "PrintJob.h"

#include <string>
#include <vector>

// A canvas with fixed, style-dependent font metrics that records what is drawn, page by page.
// Plain characters are 10 pixels wide, bold ones 12, so a test can tell in which style a text
// was measured.
class RecordingCanvas : public velmora::Canvas {
public:
    struct Text {
        int page;
        int x;
        int y;
        std::string text;
        bool bold;
        bool underline;
    };
    struct Rule {
        int page;
        int x1;
        int y1;
        int x2;
        int y2;
    };

    static constexpr int PlainWidth = 10;
    static constexpr int BoldWidth = 12;

    int charHeight = 20;
    int pageHeight = 100000;
    bool failOnNewPage = false;

    int page = 0;
    bool bold = false;
    bool underline = false;
    std::string fontName;
    int fontCharset = 0;
    int fontSize = 0;
    std::vector<Text> texts;
    std::vector<Rule> rules;

    void SetFont(const std::string &name, int charset, int size) override {
        fontName = name;
        fontCharset = charset;
        fontSize = size;
    }
    void SetStyle(bool b, bool u) override {
        bold = b;
        underline = u;
    }
    int TextWidth(const std::string &text) override {
        return static_cast<int>(text.size()) * (bold ? BoldWidth : PlainWidth);
    }
    int TextHeight(const std::string &) override { return charHeight; }
    void TextOut(int x, int y, const std::string &text) override {
        texts.push_back({page, x, y, text, bold, underline});
    }
    void Line(int x1, int y1, int x2, int y2) override { rules.push_back({page, x1, y1, x2, y2}); }
    int PageHeight() override { return pageHeight; }
    void NewPage() override {
        if (failOnNewPage)
            throw velmora::PrintFailure("paper jam");
        ++page;
    }

    // The first text drawn that equals `text`, or nullptr.
    const Text *Find(const std::string &text) const {
        for (const Text &t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    // The texts of one line (same page and y), left to right as drawn.
    std::vector<std::string> LineAt(int pageNo, int y) const {
        std::vector<std::string> line;
        for (const Text &t : texts)
            if (t.page == pageNo && t.y == y)
                line.push_back(t.text);
        return line;
    }
};

// A job on a RecordingCanvas that logs its steps; it can refuse to begin or to end.
class RecordingJob : public velmora::PrintJob {
public:
    RecordingCanvas canvas;
    std::vector<std::string> steps;
    bool failBegin = false;
    bool failEnd = false;

    velmora::Canvas &BeginDoc() override {
        steps.push_back("begin");
        if (failBegin)
            throw velmora::PrintFailure("offline");
        return canvas;
    }
    void EndDoc() override {
        steps.push_back("end");
        if (failEnd)
            throw velmora::PrintFailure("spooler");
    }
    void Abort() noexcept override { steps.push_back("abort"); }
};
