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
    std::vector<int> gold;
    for (int i = 0; i < tiles.count(); ++i) {
        const QImage tile = shot.copy(tiles.tileRect(i));
        const auto* pixels = reinterpret_cast<const QRgb*>(tile.constBits());
        gold.push_back(int(std::count(pixels, pixels + tile.width() * tile.height(), qRgb(255, 200, 0))));
    }
    return gold;
}
} // namespace

class ChooseformTest : public QObject {
    Q_OBJECT
private slots:
    // 130 puzzles, the first three solved: the current tile starts on the
    // fourth, and the rows beyond the sixth scroll into sight.
    void keysChooseOrCancel()
    {
        const struct {
            const char* what;
            Keys keys;
            int chosen; // -7: cancelled, the puzzle left as it was
        } cases[] = {
            {"Enter at once: the first unsolved", {Qt::Key_Return}, 3},
            {"arrows, stopping at the edge",
             {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter}, 2},
            {"a typed number", {Qt::Key_3, Qt::Key_7, Qt::Key_Return}, 36},
            {"a digit past the end starts anew, Backspace takes one back",
             {Qt::Key_5, Qt::Key_9, Qt::Key_9, Qt::Key_4, Qt::Key_Backspace, Qt::Key_1, Qt::Key_Return}, 90},
            {"the last number", {Qt::Key_1, Qt::Key_3, Qt::Key_0, Qt::Key_Return}, 129},
            {"Escape", {Qt::Key_3, Qt::Key_Escape}, -7},
        };
        std::vector<Solved> marks(130, Solved::No);
        marks[0] = marks[2] = Solved::Alone;
        marks[1] = Solved::WithHelp;
        for (const auto& [what, keys, chosen] : cases) {
            bool focused = false, inSight = false;
            QTimer::singleShot(0, [&, &keys = keys] {
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
            const bool confirmed = ShowChooser(shown, "Group", marks);
            QVERIFY2(confirmed == (chosen != -7) && shown == chosen && focused && inSight, what);
        }
        // With every puzzle solved, the current tile starts on the one shown.
        QCOMPARE(TFormChoose("Group", std::vector<Solved>(130, Solved::Alone), 77).tiles->current(), 77);
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
            QTimer::singleShot(0, [&] {
                auto& dialog = *qobject_cast<TFormChoose*>(QApplication::activeModalWidget());
                const auto end = qScopeGuard([&] { // not heard, or a failed check: end it instead of waiting
                    if (dialog.isVisible())
                        dialog.done(0);
                });
                QVERIFY(dialog.width() <= kWindowWidth && dialog.height() <= kWindowHeight);
                QCOMPARE(dialog.scrollBox->verticalScrollBar()->maximum(), 0); // all 60 in sight
                QCOMPARE(dialog.lblGroup->text() + " " + dialog.lblSolved->text(), QString("Solid Wall (One Set) 4/60"));
                QCOMPARE(dialog.tiles->current(), 3);
                const std::vector<int> gold = goldOnTiles(*dialog.tiles);
                QVERIFY(gold[1] > 0 && gold[4] == gold[1] && gold[0] > gold[1] && gold[2] == gold[0]);
                // None on the rest but puzzle 5.
                QCOMPARE(std::count(gold.begin() + 3, gold.end(), 0), std::ptrdiff_t(56));
                Mouse(&dialog).click(dialog.tiles->mapTo(&dialog, dialog.tiles->tileRect(36).center()));
            });
            QTest::keyClick(&form, kChooseKey);
            QCOMPARE(form.gameInterface->settings.lastPuzzle, 36);
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
