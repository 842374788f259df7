#include "qt/kelvoqt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/box/dialog.h"
#include "platform/box/message_box.h"

namespace {

struct ShownBox {
    QString caption;
    QString text;
};

// Reads the Qt box that comes up next and closes it.
void read_next_box(ShownBox& shown)
{
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        shown = {box->windowTitle(), box->text()};
        box->accept();
    });
}

// Shows the request through the installed handler and reads the Qt box that comes up.
ShownBox show_and_read(kp::MessageBoxRequest const& request)
{
    ShownBox shown;
    read_next_box(shown);
    kp::show_message_box(request);
    return shown;
}

class BoxHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void textsAreUtf8WhereValidOtherwiseWindows1252()
    {
        kelvoqt::BoxHandlers boxes;
        kp::MessageBoxRequest request;
        request.caption = "\x93\xE9t\xE9\x94";              // not UTF-8: Windows-1252
        request.text = "Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC"; // UTF-8
        ShownBox const shown = show_and_read(request);
        QCOMPARE(shown.caption, QStringLiteral(u"\u201C\u00E9t\u00E9\u201D"));
        QCOMPARE(shown.text, QStringLiteral(u"Caf\u00E9 \u2013 \u20AC"));

        request.text = "50 \x80 and 4\xB0"; // one stray byte makes the whole text Windows-1252
        QCOMPARE(show_and_read(request).text, QStringLiteral(u"50 \u20AC and 4\u00B0"));
    }

    void namedDialoguesAreTheProgramsOwn()
    {
        kelvoqt::BoxHandlers boxes;
        QString asked_for;
        boxes.set_dialog([&](QWidget*, QString const& template_name) {
            asked_for = template_name;
            return int32_t{2};
        });
        QCOMPARE(kp::show_dialog({0, "AboutBox"}), 2);
        QCOMPARE(asked_for, QStringLiteral("AboutBox"));

        // Without a dialogue of the program's own, a box names the template.
        boxes.set_dialog({});
        ShownBox shown;
        read_next_box(shown);
        QCOMPARE(kp::show_dialog({0, "AboutBox"}), 1);
        QVERIFY(shown.text.contains(QStringLiteral("AboutBox")));
    }

    void boxesGoBackToThePreviousHandlersAfterwards()
    {
        int seen = 0;
        kp::MessageBoxHandler const before = kp::set_message_box_handler([&](kp::MessageBoxRequest const&) {
            ++seen;
            return kp::MessageBoxAnswer::No;
        });
        {
            kelvoqt::BoxHandlers boxes;
            ShownBox shown;
            read_next_box(shown);
            kp::show_message_box({});
            QCOMPARE(seen, 0);
        }
        QCOMPARE(kp::show_message_box({}), kp::MessageBoxAnswer::No);
        QCOMPARE(seen, 1);
        kp::set_message_box_handler(before);
    }
};

} // namespace

QTEST_MAIN(BoxHandlersTest)
#include "box_handlers_test.moc"
