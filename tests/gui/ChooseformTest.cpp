#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "Shippedgroups.h"
#include "app/Chooseform.h"
#include "app/Selectform.h"

namespace {
using Keys = QList<int>;

// Gold pixels of each tile: none unsolved, a few for the outline, most for the filled star.
std::vector<int> goldOnTiles(TPuzzleTiles& tiles)
{
    const QImage shot = tiles.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<int> gold(std::size_t(tiles.count()));
    for (int i = 0; i < tiles.count(); ++i) {
        const QRect tile = tiles.tileRect(i);
        for (int y = tile.top(); y <= tile.bottom(); ++y)
            for (int x = tile.left(); x <= tile.right(); ++x)
                gold[std::size_t(i)] += rgb(shot.pixel(x, y)) == rgb(qRgb(255, 200, 0));
    }
    return gold;
}
} // namespace

class ChooseformTest : public QObject {
    Q_OBJECT
private slots:
    void keysChooseOrCancel_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<int>("puzzle");
        QTest::newRow("Enter at once: the first unsolved") << Keys{Qt::Key_Return} << true << 3;
        QTest::newRow("arrows, stopping at the edge")
            << Keys{Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter}
            << true << 2;
        QTest::newRow("a typed number") << Keys{Qt::Key_3, Qt::Key_7, Qt::Key_Return} << true << 36;
        QTest::newRow("a digit past the end starts anew, Backspace takes one back")
            << Keys{Qt::Key_5, Qt::Key_9, Qt::Key_9, Qt::Key_4, Qt::Key_Backspace, Qt::Key_1, Qt::Key_Return}
            << true << 90;
        QTest::newRow("Escape") << Keys{Qt::Key_3, Qt::Key_Escape} << false << -7;
    }

    // 130 puzzles, the first three solved: the current tile starts on the
    // fourth, and the rows beyond the sixth scroll into sight.
    void keysChooseOrCancel()
    {
        QFETCH(Keys, keys);
        QFETCH(bool, chosen);
        QFETCH(int, puzzle);
        std::vector<Solved> marks(130, Solved::No);
        marks[0] = marks[2] = Solved::Alone;
        marks[1] = Solved::WithHelp;
        bool focused = false, inSight = false;
        QTimer::singleShot(0, [&] {
            auto& dialog = *qobject_cast<TFormChoose*>(QApplication::activeModalWidget());
            focused = dialog.focusWidget() == dialog.tiles;
            for (int key : keys)
                QTest::keyClick(dialog.tiles, Qt::Key(key));
            const QRect seen(-dialog.tiles->pos(), dialog.scrollBox->viewport()->size());
            inSight = seen.contains(dialog.tiles->tileRect(dialog.tiles->current()));
            if (dialog.isVisible()) // not heard: end it, so the test fails instead of waiting
                dialog.done(0);
        });
        std::int32_t shown = -7;
        QCOMPARE(ShowChooser(shown, "Group", marks), chosen);
        QCOMPARE(shown, chosen ? puzzle : -7);
        QVERIFY(focused && inSight);
    }

    // Key G over the shipped first group: the chooser shows the record of
    // solved puzzles; a click goes to puzzle 37, which the next start returns to.
    void theChoiceIsShownAndKeptOverARestart()
    {
        ProgramFolder folder;
        QVERIFY(useShippedGroup(folder, 0));
        ClGameFile group;
        QVERIFY(group.load(folder.path("Brick0.gam").toStdString()));
        ClProgress progress;
        for (const auto& [index, withHelp] : {std::pair{0, false}, {1, true}, {2, false}, {4, true}})
            progress.record(group.puzzles[std::size_t(index)], withHelp);
        Failure failure;
        QVERIFY(progress.saveMerged(folder.path("progress.dat").toStdString(), failure));
        {
            Window window(folder);
            QVERIFY(window.openActive());
            TFormMain& form = *window.form;
            const auto inspect = [](TFormChoose& dialog) {
                QVERIFY(dialog.width() <= kWindowWidth && dialog.height() <= kWindowHeight);
                QCOMPARE(dialog.scrollBox->verticalScrollBar()->maximum(), 0); // all 60 in sight
                QCOMPARE(dialog.lblGroup->text() + " " + dialog.lblSolved->text(), QString("Solid Wall (One Set) 4/60"));
                QCOMPARE(dialog.tiles->current(), 3);
                const std::vector<int> gold = goldOnTiles(*dialog.tiles);
                QVERIFY(gold[1] > 0 && gold[4] == gold[1] && gold[0] > gold[1] && gold[2] == gold[0]);
                QVERIFY(std::all_of(gold.begin() + 5, gold.end(), [](int g) { return g == 0; }) && gold[3] == 0);
            };
            QTimer::singleShot(0, [&] {
                auto& dialog = *qobject_cast<TFormChoose*>(QApplication::activeModalWidget());
                inspect(dialog);
                Mouse(&dialog).click(dialog.tiles->mapTo(&dialog, dialog.tiles->tileRect(36).center()));
                if (dialog.isVisible())
                    dialog.done(0);
            });
            QTest::keyClick(&form, kChooseKey);
            QCOMPARE(form.gameInterface->settings.lastPuzzle, 36);
            const QRect captionArea(0, kCaptionTop, kWindowWidth, kCaptionHeight);
            const QImage caption = window.board().imgBack->picture.copy(captionArea);
            form.prevGameExecute();
            form.nextGameExecute(); // "Level: 37", reached by steps
            QCOMPARE(window.board().imgBack->picture.copy(captionArea), caption);
        }
        Window window(folder);
        window.open();
        QCOMPARE(window.game().puzzleIndex, 36);
    }

    // From Select, G (or the Choose button) confirms the group and opens the
    // chooser on it.
    void selectLeadsOnToTheChooserOfTheChosenGroup()
    {
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick1.gam"));
        Window window(folder);
        TFormMain& form = window.open();
        QString shownGroup;
        form.showChooser = [&](std::int32_t& puzzle, const QString& group, const std::vector<Solved>&) {
            return shownGroup = group, puzzle = 2, true;
        };
        QTimer::singleShot(0, [] {
            auto& dialog = *qobject_cast<TFormSelection*>(QApplication::activeModalWidget());
            dialog.RadioButton2->setChecked(true);
            dialog.activateWindow();
            if (QTest::qWaitForWindowActive(&dialog))
                QTest::keyClick(&dialog, kChooseKey);
            if (dialog.isVisible()) // not heard: end it, so the test fails instead of waiting
                dialog.done(0);
        });
        form.selectGameExecute();
        QCOMPARE(form.currentGroup, 1);
        QCOMPARE(shownGroup, QString("Wall with Hole (One Set)"));
        QCOMPARE(window.game().puzzleIndex, 2);
    }
};

QTEST_MAIN(ChooseformTest)
#include "ChooseformTest.moc"
