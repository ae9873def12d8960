#include "NutriFrom.h"

#include "AppDirectory.h"
#include "AutorsForm.h"
#include "Cp1251.h"
#include "DecimalSeparator.h"
#include "Dialogs.h"
#include "NumericKeyFilter.h"
#include "TAppConfig.h"
#include "TUpdater.h"
#include "Utils.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>

using velmora::DisplayList;
using velmora::DisplayRow;
using velmora::DisplayTable;
using velmora::InputField;
using velmora::ParseOutcome;

namespace {

const QColor InfoBackground(0xFF, 0xFF, 0xE1);

const char *const TooHighText = "Введено слишком большое значение";
const char *const TooLowText = "Введено слишком маленькое значение";

// Sets the display guard for the lifetime of the object and restores what it was.
class GuardScope {
public:
    explicit GuardScope(bool &guard) : guard_(guard), previous_(guard) { guard_ = true; }
    ~GuardScope() { guard_ = previous_; }
    GuardScope(const GuardScope &) = delete;
    GuardScope &operator=(const GuardScope &) = delete;

private:
    bool &guard_;
    bool previous_;
};

} // namespace

TNutriFrom::TNutriFrom(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NutriFrom"));
    setWindowTitle(QStringLiteral("Клиническое питание новорожденных ver1.1"));
    // Fixed single border, system menu and minimise box; no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    setFont(font);
    setFixedSize(688, 609);

    CreateControls();
    CreatePrintCommands();
    BindInputFields();
    StartSupportServices();
    FormCreate();
}

TNutriFrom::~TNutriFrom() = default;

// Services that start with the window before it is first used: the settings are handed the
// application directory, then pending update packages are installed. The support strip will take
// its place at index 0 of MainLayout.
void TNutriFrom::StartSupportServices() {
    TAppConfig::Instance().Init(ToCp1251(ApplicationDirectory()));
    // A settings file that cannot be written must not keep the doctor from the calculator: the
    // installer has already logged what it could, and the next start tries again.
    try {
        TUpdater(false).Run();
    } catch (const std::exception &error) {
        WriteLog(2, ToCp1251(QStringLiteral("Ошибка установки обновлений: ")) + error.what());
    }
}

void TNutriFrom::BindInputFields() {
    for (const InputField &field : velmora::InputFields()) {
        QLineEdit *edit = Field(QString::fromLatin1(field.control.data(),
                                                    static_cast<qsizetype>(field.control.size())));
        Q_ASSERT(edit != nullptr);
        if (edit == nullptr)
            continue;
        const Binding binding{&field, edit};
        Bindings.insert(edit, binding);
        // Input methods would insert text past the key filter.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this, binding] { FieldChange(binding); });
    }
    // Everything that is not an input shows a calculated value.
    QPalette info = palette();
    info.setColor(QPalette::Base, InfoBackground);
    for (QLineEdit *edit : std::as_const(Edits)) {
        editsByControl_.emplace(edit->objectName().toStdString(), edit);
        if (!Bindings.contains(edit)) {
            edit->setReadOnly(true);
            edit->setPalette(info);
        }
    }
}

void TNutriFrom::FormCreate() {
    localeDecimalSeparator_ = SystemDecimalSeparator();
    const std::string byte = ToCp1251(QString(localeDecimalSeparator_));
    // A separator the code page cannot hold could never be typed into or read from a field.
    if (byte.size() != 1 || byte[0] == '?') {
        localeDecimalSeparator_ = QLatin1Char('.');
        separatorByte_ = '.';
    } else {
        separatorByte_ = byte[0];
    }

    model_.FillCatalogue();
    for (const std::string &text : velmora::EnteralPreparatListTexts())
        EnteralPreparatCbx->addItem(FromCp1251(text));
    EnteralPreparatCbx->setCurrentIndex(-1);
    EnteralPreparatCbx->installEventFilter(this);
    connect(EnteralPreparatCbx, &QComboBox::activated, this, &TNutriFrom::EnteralPreparatCbxClick);
    connect(ClearBtn, &QPushButton::clicked, this, &TNutriFrom::ClearBtnClick);
    connect(AuthorButton, &QPushButton::clicked, this, &TNutriFrom::AuthorButtonClick);

    model_.Refreshing = false;
}

void TNutriFrom::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TNutriFrom::FormShow() {
    PageControl1->setCurrentIndex(0);
    e_MT->setFocus(Qt::OtherFocusReason);
}

void TNutriFrom::ClearBtnClick() {
    WriteDisplays(model_.ResetCalculation());
}

void TNutriFrom::AuthorButtonClick() {
    TAutorsForm form(this);
    form.setEnabled(true);
    form.exec();
}

void TNutriFrom::EnteralPreparatCbxClick(int index) {
    if (index < 0)
        return;
    WriteDisplays(model_.EnteralPreparatChosen(index));
}

bool TNutriFrom::eventFilter(QObject *watched, QEvent *event) {
    if (watched == EnteralPreparatCbx && event->type() == QEvent::KeyPress) {
        // Typing into the feed list does nothing; only choosing an item does. Without this the
        // list would jump to the first feed starting with the typed letter and take it.
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        return !typed.isEmpty() && typed.front().isPrint();
    }
    const auto binding = Bindings.constFind(watched);
    if (binding != Bindings.constEnd()) {
        if (event->type() == QEvent::KeyPress)
            return FieldKeyPress(*binding, static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusOut && binding->field->leaveCheck) {
            // Only moving to another control of the window leaves the field; the window losing
            // activation (a message box, another program) does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                !returningFocus_)
                FieldExit(*binding);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TNutriFrom::FieldKeyPress(const Binding &binding, QKeyEvent *event) {
    const QString typed = event->text();
    // Keys that type no character (arrows, Home, Delete, Tab) move or edit as usual.
    if (typed.isEmpty() || event->key() == Qt::Key_Delete || event->key() == Qt::Key_Tab ||
        event->key() == Qt::Key_Backtab)
        return false;

    const NumericKeys keys = binding.field->keys == velmora::KeyClass::Digits
                                 ? NumericKeys::Digits
                                 : NumericKeys::Decimal;
    if (typed.size() == 1) {
        const KeyVerdict verdict =
            FilterNumericKey(typed.front(), keys, binding.edit->text(), localeDecimalSeparator_);
        if (verdict.action == KeyVerdict::Accept)
            return false;
        if (verdict.action == KeyVerdict::Replace)
            binding.edit->insert(QString(verdict.replacement));
        return true;
    }
    // A key that types several characters at once: each one passes the filter on its own.
    for (QChar c : typed) {
        const KeyVerdict verdict =
            FilterNumericKey(c, keys, binding.edit->text(), localeDecimalSeparator_);
        if (verdict.action == KeyVerdict::Discard)
            continue;
        if (verdict.replacement == QChar(8))
            binding.edit->backspace();
        else
            binding.edit->insert(QString(verdict.replacement));
    }
    return true;
}

void TNutriFrom::FieldChange(const Binding &binding) {
    if (model_.Refreshing)
        return;
    const velmora::EditResult result =
        model_.Edit(*binding.field, ToCp1251(binding.edit->text()), separatorByte_);
    if (result.outcome == ParseOutcome::TooHigh) {
        Dialogs::Message(this, QString::fromUtf8(TooHighText));
        binding.edit->setFocus(Qt::OtherFocusReason);
    } else if (result.outcome == ParseOutcome::Unreadable) {
        // The value is absent; the typed text stays so the user can mend it. The model has
        // already recalculated without the value, so nothing on screen still derives from the
        // text the field held before.
        Dialogs::Error(this, QStringLiteral("\"%1\" не является числом").arg(binding.edit->text()));
    }
    WriteDisplays(result.displays);
}

void TNutriFrom::FieldExit(const Binding &binding) {
    // Reported once the focus has settled, so the message box does not interrupt the focus
    // change itself; the flag is read again then, as the field may have changed meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this, binding] {
            if (!binding.field->item(model_).IsTooLow())
                return;
            Dialogs::Message(this, QString::fromUtf8(TooLowText));
            // Taking the focus back is not the user leaving the field that had it meanwhile;
            // two fields below their minimum would otherwise hand the message to and fro.
            const QScopedValueRollback<bool> returning(returningFocus_, true);
            // The field may have been left for another tab; focus in a hidden field would take
            // the next keys out of the user's sight.
            for (int i = 0; i < PageControl1->count(); ++i)
                if (PageControl1->widget(i)->isAncestorOf(binding.edit))
                    PageControl1->setCurrentIndex(i);
            binding.edit->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void TNutriFrom::WriteDisplays(const DisplayList &displays) {
    for (velmora::Display display : displays) {
        if (velmora::IsGuarded(display))
            WriteGuarded(model_.Show(display));
        else
            WriteInputsUnguarded(display);
    }
}

void TNutriFrom::WriteGuarded(const DisplayTable &table) {
    GuardScope guard(model_.Refreshing);
    for (const DisplayRow &row : table)
        WriteRow(row);
}

// "Новый расчет" writes the emptied inputs back without the guard: each field whose text
// changes runs its own change handling, in the order of the writes. Each row is read from the
// model at the moment it is written, since an earlier field's handling may have moved it.
void TNutriFrom::WriteInputsUnguarded(velmora::Display display) {
    const std::size_t rows = model_.Show(display).size();
    for (std::size_t i = 0; i < rows; ++i) {
        const DisplayTable table = model_.Show(display);
        if (i < table.size())
            WriteRow(table[i]);
    }
    if (display == velmora::Display::AllInputs) {
        // Programmatic: the feed choice handling runs only on a user's choice.
        EnteralPreparatCbx->setCurrentIndex(model_.EnteralFeeding.preparat.index);
    }
}

void TNutriFrom::WriteRow(const DisplayRow &row) {
    QLineEdit *edit = EditFor(row.control);
    if (edit == nullptr)
        return;
    const QString text = FromCp1251(row.Text(separatorByte_));
    // An unchanged text is not written: it would move the caret of a field being typed in.
    if (edit->text() != text)
        edit->setText(text);
}

QLineEdit *TNutriFrom::EditFor(std::string_view control) const {
    const auto found = editsByControl_.find(control);
    return found == editsByControl_.end() ? nullptr : found->second;
}
