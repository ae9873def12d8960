// The print commands of the main window: "Печать..." (Ctrl+P), "Предварительный просмотр" and
// "Сохранить в PDF...". All three ask for the parts of the protocol in TPrintForm first and then
// draw the very same pages, one section group per page.

#include "NutriFrom.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "PrintCommand.h"
#include "PrintForm.h"
#include "ProtocolPdf.h"
#include "QPrinterJob.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

#include <optional>

using velmora::PrintCommandHost;
using velmora::PrintJob;

// What the print commands keep for the whole run: the printer the user chose last time.
class TPrintCommands : public QObject {
public:
    explicit TPrintCommands(QObject *parent) : QObject(parent), printer(QPrinter::HighResolution) {}
    QPrinter printer;
};

namespace {

// A page range chosen in the preview's own printer dialog is meant for that one print; the
// printer is kept for the run, so every command starts again from the whole protocol.
void PrintWholeProtocol(QPrinter &printer) {
    printer.setPrintRange(QPrinter::AllPages);
}

// The section dialog; the chosen sections, or nothing when the user cancelled.
std::optional<velmora::PrintSelection> AskSections(TPrintForm &form) {
    form.exec();
    if (!velmora::PrintConfirmed)
        return std::nullopt;
    return velmora::CurrentPrintSelection();
}

// The print command's dialogs on this window: the section choice, then the printer dialog.
class WindowPrintHost : public PrintCommandHost {
public:
    WindowPrintHost(QWidget &window, TPrintForm &form, QPrinter &printer)
        : window(window), form(form), printer(printer) {}

    bool ChooseSections() override { return AskSections(form).has_value(); }
    std::unique_ptr<PrintJob> ChooseDevice() override {
        PrintWholeProtocol(printer);
        QPrintDialog dialog(&printer, &window);
        dialog.setObjectName(QStringLiteral("PrintDialog"));
        // The protocol is always printed whole, the chosen sections one group per page: a page
        // range typed here would be silently ignored, so none is offered.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return std::make_unique<QPrinterJob>(printer);
    }
    void ShowError(const std::string &message) override {
        Dialogs::Error(&window, FromCp1251(message));
    }

private:
    QWidget &window;
    TPrintForm &form;
    QPrinter &printer;
};

} // namespace

void TNutriFrom::CreatePrintCommands() {
    printCommands_ = new TPrintCommands(this);
    PrintForm = new TPrintForm(this);

    PrintBtn = new QToolButton(this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setPopupMode(QToolButton::MenuButtonPopup);
    PrintBtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *printAction = new QAction(QStringLiteral("Печать..."), this);
    printAction->setObjectName(QStringLiteral("PrintAction"));
    // A tool button would drop the "..." of a dialog command from the action's text.
    printAction->setIconText(printAction->text());
    printAction->setShortcut(QKeySequence::Print);
    printAction->setShortcutContext(Qt::WindowShortcut);
    auto *previewAction = new QAction(QStringLiteral("Предварительный просмотр"), this);
    previewAction->setObjectName(QStringLiteral("PreviewAction"));
    auto *pdfAction = new QAction(QStringLiteral("Сохранить в PDF..."), this);
    pdfAction->setObjectName(QStringLiteral("PdfAction"));
    auto *menu = new QMenu(PrintBtn);
    menu->addActions({printAction, previewAction, pdfAction});
    PrintBtn->setMenu(menu);
    PrintBtn->setDefaultAction(printAction);
    addAction(printAction); // Ctrl+P anywhere in the window

    connect(printAction, &QAction::triggered, this, &TNutriFrom::PrintBtnClick);
    connect(previewAction, &QAction::triggered, this, &TNutriFrom::PrintPreviewClick);
    connect(pdfAction, &QAction::triggered, this, &TNutriFrom::SavePdfClick);

    // Beside "Новый расчет".
    CommandRow->insertWidget(CommandRow->indexOf(ClearBtn) + 1, PrintBtn);
}

velmora::PrintContext TNutriFrom::PrintContextNow() const {
    velmora::PrintContext context;
    context.model = &model_;
    context.decimalSeparator = separatorByte_;
    return context;
}

void TNutriFrom::PrintBtnClick() {
    WindowPrintHost host(*this, *PrintForm, printCommands_->printer);
    velmora::RunPrintCommand(host, PrintContextNow());
}

void TNutriFrom::PrintPreviewClick() {
    const auto selection = AskSections(*PrintForm);
    if (!selection)
        return;
    PrintWholeProtocol(printCommands_->printer);
    QPrintPreviewDialog preview(&printCommands_->printer, this);
    preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
    preview.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
        QPrinterJob job(*printer);
        const std::string failure = velmora::RunPrintJob(job, PrintContextNow(), *selection);
        if (!failure.empty())
            Dialogs::Error(this, FromCp1251(failure));
    });
    preview.exec();
}

void TNutriFrom::SavePdfClick() {
    const auto selection = AskSections(*PrintForm);
    if (!selection)
        return;
    const QString path = Dialogs::SaveFileName(this, QStringLiteral("Сохранить протокол в PDF"),
                                               QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                                               QStringLiteral("протокол.pdf"));
    if (path.isEmpty())
        return;
    const std::string failure = SaveProtocolPdf(path, PrintContextNow(), *selection);
    if (!failure.empty())
        Dialogs::Error(this, FromCp1251(failure));
}
