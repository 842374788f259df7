#include "demo/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "lib/window/graph_window.h"
#include "platform/window/window_class.h"

namespace {

struct Run {
    int status = 0;
    QString out;
    QString errors;
};

Run run(QStringList const& options)
{
    Run result;
    QTextStream out(&result.out);
    QTextStream errors(&result.errors);
    result.status = kelvotour::run_kelvotour(QStringList{QStringLiteral("kelvotour")} + options, out, errors);
    return result;
}

// Answers every Qt message box that comes up and keeps its text.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->accept();
            }
        });
        timer_.start(10);
    }
    QStringList texts;

private:
    QTimer timer_;
};

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void galleryFailsWhenAPictureCannotBeWritten()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("scene01-window.png")));
        Run const result = run({QStringLiteral("--gallery"), folder.path()});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.errors.contains(QStringLiteral("cannot write ") + folder.filePath(QStringLiteral("scene01-window.png"))),
                 qPrintable(result.errors));
        QVERIFY(result.out.isEmpty());
    }

    void galleryFailsWhenTheIndexCannotBeWritten()
    {
        QTemporaryDir folder;
        // A file that opens for writing but refuses text, as a full disk would.
        QVERIFY(QFile::link(QStringLiteral("/proc/self/oom_score_adj"), folder.filePath(QStringLiteral("index.html"))));
        Run const result = run({QStringLiteral("--gallery"), folder.path()});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.errors.contains(QStringLiteral("cannot write ") + folder.filePath(QStringLiteral("index.html"))),
                 qPrintable(result.errors));
    }

    void aScenePictureFailsWithAClearMessage()
    {
        QTemporaryDir folder;
        Run const written = run({QStringLiteral("--scene"), QStringLiteral("1"), QStringLiteral("--out"),
                                 folder.filePath(QStringLiteral("one.png"))});
        QCOMPARE(written.status, 0);
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("one.png"))));

        Run const into_folder = run({QStringLiteral("--scene"), QStringLiteral("1"), QStringLiteral("--out"), folder.path()});
        QCOMPARE(into_folder.status, 1);
        QVERIFY2(into_folder.errors.contains(QStringLiteral("cannot write ") + folder.path()), qPrintable(into_folder.errors));

        Run const unavailable = run({QStringLiteral("--scene"), QStringLiteral("33"), QStringLiteral("--out"),
                                     folder.filePath(QStringLiteral("seven.png"))});
        QCOMPARE(unavailable.status, 1);
        QVERIFY2(unavailable.errors.contains(QStringLiteral("scene 33 is not available")), qPrintable(unavailable.errors));
    }

    // The boxes of a graph that fails to open come up while the main window is being built.
    void boxesRaisedWhileTheWindowIsBuiltShowWithQt()
    {
        std::shared_ptr<kp::WindowClass const> const graph_class = kp::find_class(kelvo::graph_window_class);
        QVERIFY(graph_class != nullptr);
        QVERIFY(kp::unregister_class(kelvo::graph_window_class));
        BoxAnswerer answerer;
        Run const result = run({});
        QVERIFY(kp::register_class(*graph_class));
        QCOMPARE(result.status, 1);
        QCOMPARE(answerer.texts.size(), 2);
        QVERIFY2(answerer.texts[0].startsWith(QStringLiteral("Fail to create graph window (")), qPrintable(answerer.texts[0]));
        QCOMPARE(answerer.texts[1], QStringLiteral("Problem creating graph window. Program Aborted."));
    }
};

} // namespace

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
