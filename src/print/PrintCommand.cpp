#include "PrintCommand.h"

#include "PrintBalanceData.h"
#include "PrintEntData.h"
#include "PrintInfData.h"
#include "PrintParData.h"
#include "PrintParProg.h"
#include "PrintText.h"

namespace velmora {

namespace {

void PrintParenteralData(Canvas &canvas, const PrintContext &context) {
    PrintParData section(canvas, context);
    section.FillRows();
    section.MeasureColumns();
    section.PrintHeader();
    section.PrintTitle(PrintText(u8"Парентеральное питание"));
    section.SkipTitleGap();
    section.PrintColumnHeads();
    section.PrintTable();
    section.PrintRule();
}

void PrintProgramme(Canvas &canvas, const PrintContext &context) {
    {
        PrintParProg section(canvas, context);
        section.FillRows();
        section.MeasureColumns();
        section.PrintHeader();
        section.PrintTitle(PrintText(u8"Программа парентерального питания на 24 часа"));
        section.SkipTitleGap();
        section.PrintRule();
        section.PrintTable();
        section.PrintExtra();
        section.SkipTitleGap();
    }
    // The infusion parameters continue the programme's page, without a header of their own.
    PrintInfData section(canvas, context);
    section.FillRows();
    section.MeasureColumns();
    section.PrintTitle(PrintText(u8"Параметры инфузии"));
    section.SkipTitleGap();
    section.PrintRule();
    section.PrintTable();
    section.PrintRule();
}

void PrintEnteralData(Canvas &canvas, const PrintContext &context) {
    PrintEntData section(canvas, context);
    section.FillRows();
    section.MeasureColumns();
    section.PrintHeader();
    section.PrintTitle(PrintText(u8"Энтеральное питание"));
    // The feed lines start with an empty line of their own, in place of the title gap.
    section.PrintExtra();
    section.PrintColumnHeads();
    section.PrintTable();
    section.PrintRule();
}

void PrintBalance(Canvas &canvas, const PrintContext &context) {
    PrintBalanceData section(canvas, context);
    section.FillRows();
    section.MeasureColumns();
    section.PrintHeader();
    section.PrintTitle(PrintText(u8"Общий баланс"));
    section.SkipTitleGap();
    section.PrintColumnHeads();
    section.PrintTable();
    section.PrintRule();
}

} // namespace

void PrintProtocolPages(Canvas &canvas, const PrintContext &context,
                        const PrintSelection &selection) {
    using Group = void (*)(Canvas &, const PrintContext &);
    const struct {
        bool chosen;
        Group print;
    } groups[] = {
        {selection.parData, PrintParenteralData},
        {selection.parProg, PrintProgramme},
        {selection.entData, PrintEnteralData},
        {selection.balance, PrintBalance},
    };
    int printed = 0;
    for (const auto &group : groups) {
        if (!group.chosen)
            continue;
        if (printed++ > 0)
            canvas.NewPage();
        PageY = PageTopY;
        group.print(canvas, context);
    }
}

std::string RunPrintJob(PrintJob &job, const PrintContext &context,
                        const PrintSelection &selection) {
    try {
        Canvas &canvas = job.BeginDoc();
        PrintProtocolPages(canvas, context, selection);
        job.EndDoc();
        return {};
    } catch (const std::exception &failure) {
        job.Abort();
        std::string message = PrintText(u8"Печать прервана, задание отменено.");
        if (*failure.what() != '\0')
            message += std::string("\n") + failure.what();
        return message;
    }
}

void RunPrintCommand(PrintCommandHost &host, const PrintContext &context) {
    if (!host.ChooseSections())
        return;
    std::unique_ptr<PrintJob> job = host.ChooseDevice();
    if (!job)
        return;
    const std::string failure = RunPrintJob(*job, context, CurrentPrintSelection());
    if (!failure.empty())
        host.ShowError(failure);
}

} // namespace velmora
