// Kelvotour on a real X display (run under xvfb-run): the animated scenes reach the screen
// frame by frame. The program grabs every few paced frames from the screen; this test reads
// those screenshots and follows the moving picture through them.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct Frame {
    int number; // paced frames shown since the scene began
    QImage image;
};

struct Sequence {
    std::vector<Frame> frames; // in order
    QImage final_picture;      // the panel after the scene
};

// Runs `kelvotour --scene N --screenshot-sequence` and loads what it saved.
std::optional<Sequence> record(int scene, int step, QString const& folder)
{
    QProcess kelvotour;
    kelvotour.setProcessChannelMode(QProcess::ForwardedChannels);
    kelvotour.start(QStringLiteral(KELVOTOUR_PROGRAM),
                    {QStringLiteral("--scene"), QString::number(scene), QStringLiteral("--screenshot-sequence"), folder,
                     QStringLiteral("--sequence-step"), QString::number(step)});
    if (!kelvotour.waitForFinished(60'000) || kelvotour.exitStatus() != QProcess::NormalExit
        || kelvotour.exitCode() != 0)
        return std::nullopt;
    Sequence sequence;
    QDir const dir(folder);
    for (QString const& name : dir.entryList({QStringLiteral("frame-*.png")}, QDir::Files, QDir::Name))
        sequence.frames.push_back({name.mid(6, 4).toInt(), QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32)});
    sequence.final_picture = QImage(dir.filePath(QStringLiteral("final.png"))).convertToFormat(QImage::Format_RGB32);
    return sequence;
}

// The vertical shift (negative: upwards) that best carries the rectangle's rows in `before`
// onto those in `after`, with the number of pixels that still differ.
std::pair<int, int> vertical_shift(QImage const& before, QImage const& after, QRect inside, int largest)
{
    std::pair<int, int> best{0, -1};
    for (int dy = -largest; dy <= largest; ++dy) {
        int differing = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            int const from = y - dy;
            if (from < inside.top() || from > inside.bottom())
                continue;
            for (int x = inside.left(); x <= inside.right(); ++x)
                differing += after.pixel(x, y) != before.pixel(x, from) ? 1 : 0;
        }
        if (best.second < 0 || differing < best.second)
            best = {dy, differing};
    }
    return best;
}

bool is_blank(QImage const& image, QRect inside)
{
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) != image.pixel(inside.topLeft()))
                return false;
    return true;
}

// Where a picture differs from another: the bounding box of the differing pixels.
QRect difference(QImage const& a, QImage const& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

class AnimationFramesTest : public QObject {
    Q_OBJECT

private slots:
    // Scene 6 scrolls the inside of its rectangle up by 2 pixels a frame.
    void windowScrollingScrollsUpFrameByFrame()
    {
        QTemporaryDir folder;
        int const step = 10;
        std::optional<Sequence> const sequence = record(6, step, folder.path());
        QVERIFY(sequence.has_value());
        QVERIFY(sequence->frames.size() >= 8);
        int const w = sequence->final_picture.width();
        int const h = sequence->final_picture.height();
        int const x1 = w / 5;
        int const y1 = h / 5;
        QRect const inside = QRect(QPoint(x1 + 1, y1 + 1), QPoint(w - x1 - 1, h - y1 - 1));

        int moving_pairs = 0;
        for (std::size_t i = 1; i < sequence->frames.size(); ++i) {
            Frame const& before = sequence->frames[i - 1];
            Frame const& after = sequence->frames[i];
            if (is_blank(after.image, inside))
                break; // everything has scrolled out of the rectangle
            QVERIFY2(!difference(before.image, after.image).isNull(),
                     qPrintable(QStringLiteral("frame %1 differs from frame %2").arg(after.number).arg(before.number)));
            auto const [dy, differing] = vertical_shift(before.image, after.image, inside, 3 * step);
            QVERIFY2(differing == 0, qPrintable(QStringLiteral("frame %1 is frame %2 moved").arg(after.number).arg(before.number)));
            QCOMPARE(dy, -2 * (after.number - before.number));
            ++moving_pairs;
        }
        QVERIFY2(moving_pairs >= 5, "the text is seen scrolling through several frames");
    }

    // Scene 2 moves a picture diagonally down to the right, then back.
    void bitmapMovesThePictureThereAndBack()
    {
        QTemporaryDir folder;
        std::optional<Sequence> const sequence = record(2, 25, folder.path());
        QVERIFY(sequence.has_value());
        QVERIFY(sequence->frames.size() >= 12);
        // The moving picture is where a frame differs from the picture once it has gone.
        std::vector<QPoint> places;
        for (Frame const& frame : sequence->frames) {
            QRect const moving = difference(frame.image, sequence->final_picture);
            QVERIFY2(!moving.isNull(), qPrintable(QStringLiteral("frame %1 shows the picture").arg(frame.number)));
            places.push_back(moving.topLeft());
        }
        std::size_t const turn = static_cast<std::size_t>(
            std::max_element(places.begin(), places.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); })
            - places.begin());
        QVERIFY2(turn > 2 && turn + 3 < places.size(), "the picture goes there and comes back");
        for (std::size_t i = 1; i < places.size(); ++i) {
            QPoint const move = places[i] - places[i - 1];
            QCOMPARE(move.x(), move.y()); // diagonally
            if (i == turn || i == turn + 1)
                continue; // the turn lies between these frames
            int const frames_apart = sequence->frames[i].number - sequence->frames[i - 1].number;
            QCOMPARE(move.x(), i < turn ? frames_apart : -frames_apart); // one pixel a frame
        }
    }
};

} // namespace

QTEST_GUILESS_MAIN(AnimationFramesTest)
#include "animation_frames_test.moc"
