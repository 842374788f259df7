#include "demo/qt_host/qt_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/box/message_box.h"

namespace {

struct ShownBox {
    QString caption;
    QString text;
};

// Shows the request through the installed handler and reads the Qt box that comes up.
ShownBox show_and_read(kp::MessageBoxRequest const& request)
{
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        shown = {box->windowTitle(), box->text()};
        box->accept();
    });
    kp::show_message_box(request);
    return shown;
}

class QtBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void textsAreUtf8WhereValidOtherwiseWindows1252()
    {
        kelvotour::QtBoxHandlers boxes;
        kp::MessageBoxRequest request;
        request.caption = "\x93\xE9t\xE9\x94";              // not UTF-8: Windows-1252
        request.text = "Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC"; // UTF-8
        ShownBox const shown = show_and_read(request);
        QCOMPARE(shown.caption, QStringLiteral(u"\u201C\u00E9t\u00E9\u201D"));
        QCOMPARE(shown.text, QStringLiteral(u"Caf\u00E9 \u2013 \u20AC"));

        request.text = "50 \x80 and 4\xB0"; // one stray byte makes the whole text Windows-1252
        QCOMPARE(show_and_read(request).text, QStringLiteral(u"50 \u20AC and 4\u00B0"));
    }
};

} // namespace

QTEST_MAIN(QtBoxesTest)
#include "qt_boxes_test.moc"
