#include "VelmoraApplication.h"
#include "Dialogs.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class FailingHandler : public QObject {
public:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("\xCD\xE5\xF2 \xF4\xE0\xE9\xEB\xE0"); // "Нет файла" in 1251
        return QObject::event(event);
    }
};

TEST(VelmoraApplication, AFailureInAnEventHandlerIsShownAndTheLoopGoesOn) {
    ASSERT_NE(qobject_cast<VelmoraApplication *>(QCoreApplication::instance()), nullptr);
    Dialogs::SetScripted(true);
    FailingHandler handler;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&handler, &event));

    const QList<Dialogs::Shown> shown = Dialogs::TakeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Нет файла"));
    Dialogs::SetScripted(false);
}

} // namespace
