#pragma once

#include "NutritionModel.h"
#include "PrintContext.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>
#include <unordered_map>

class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TPrintCommands;
class TPrintForm;
class QVBoxLayout;

// The calculator's main window: the weight row, "Новый расчет", "Авторы" and five tabs of fields.
// Every number lives in the calculation model; the edits only show it. Each input field parses
// its text into the model on every change and writes back the display tables the model's
// operation returns.
class TNutriFrom : public QWidget {
    Q_OBJECT
public:
    explicit TNutriFrom(QWidget *parent = nullptr);
    ~TNutriFrom() override;

    // The calculation this window shows (one per window; the program has one window).
    velmora::NutritionModel &Model() { return model_; }
    const velmora::NutritionModel &Model() const { return model_; }

    // The user's decimal separator, as read when the window was created.
    QChar LocaleDecimalSeparator() const { return localeDecimalSeparator_; }

    // Any edit of the window by its name (e_MT, e_ParProtein_day, ...), or nullptr.
    QLineEdit *Field(const QString &name) const { return Edits.value(name, nullptr); }

    QLabel *Label1 = nullptr;
    QLineEdit *e_MT = nullptr;
    QPushButton *ClearBtn = nullptr;
    QPushButton *AuthorButton = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet5 = nullptr; // "Потребности"
    QWidget *TabSheet3 = nullptr; // "Энтер. питание"
    QWidget *TabSheet1 = nullptr; // "Парент. питание"
    QWidget *TabSheet2 = nullptr; // "Программа ПП на 24 часа"
    QWidget *TabSheet4 = nullptr; // "Общий баланс"
    QComboBox *EnteralPreparatCbx = nullptr;
    // "Печать..." beside "Новый расчет"; its menu adds the preview and the PDF file.
    QToolButton *PrintBtn = nullptr;
    // The section choice asked before every print, preview or PDF; kept for the run.
    TPrintForm *PrintForm = nullptr;

public slots:
    void ClearBtnClick();
    void AuthorButtonClick();
    // A feed chosen by the user; programmatic selection changes do not come here.
    void EnteralPreparatCbxClick(int index);
    // The print commands (NutriFromPrint.cpp): printer, preview and PDF file.
    void PrintBtnClick();
    void PrintPreviewClick();
    void SavePdfClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding {
        const velmora::InputField *field;
        QLineEdit *edit;
    };

    void CreateControls();      // NutriFromLayout.cpp
    void CreatePrintCommands(); // NutriFromPrint.cpp
    velmora::PrintContext PrintContextNow() const;
    void BindInputFields();
    void StartSupportServices();
    void FormCreate();
    void FormShow();

    void FieldChange(const Binding &binding);
    void FieldExit(const Binding &binding);
    bool FieldKeyPress(const Binding &binding, QKeyEvent *event);

    void WriteDisplays(const velmora::DisplayList &displays);
    void WriteGuarded(const velmora::DisplayTable &table);
    void WriteInputsUnguarded(velmora::Display display);
    void WriteRow(const velmora::DisplayRow &row);
    QLineEdit *EditFor(std::string_view control) const;

    velmora::NutritionModel model_;
    QChar localeDecimalSeparator_ = QLatin1Char('.');
    char separatorByte_ = '.'; // the separator as the model reads and writes it
    bool shown_ = false;
    TPrintCommands *printCommands_ = nullptr;
    bool returningFocus_ = false; // the leave check is putting the focus back

    // Layout pieces later features add to: the top strip above the weight row belongs at index 0
    // of MainLayout; commands beside "Новый расчет" go into CommandRow.
    QVBoxLayout *MainLayout = nullptr;
    QHBoxLayout *CommandRow = nullptr;

    QHash<QString, QLineEdit *> Edits;
    QHash<QObject *, Binding> Bindings;
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, QLineEdit *, NameHash, std::equal_to<>> editsByControl_;
};
