#include "app/Problemreport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/Scaledwindow.h"

TProblemReport& problemReport()
{
    static TProblemReport report;
    return report;
}

TProblemReport::~TProblemReport()
{
    delete box; // a box still open goes with the report whose list it shows
}

void TProblemReport::setOwner(QWidget* newOwner)
{
    owner = newOwner;
}

void TProblemReport::setReceiver(std::function<void(const QString& problem)> newReceiver)
{
    receiver = std::move(newReceiver);
}

void TProblemReport::add(const QString& problem)
{
    if (receiver)
        return receiver(problem);
    if (problems.contains(problem))
        return;
    problems << problem;
    if (showPending)
        return;
    showPending = true;
    QTimer::singleShot(0, this, [this] { show(); });
}

QString TProblemReport::text() const
{
    QStringList shown = problems.mid(0, kMaxListed);
    if (problems.size() > kMaxListed)
        shown << tr("... and %n more.", nullptr, int(problems.size() - kMaxListed));
    return shown.join("\n");
}

void TProblemReport::show()
{
    showPending = false;
    if (!box) {
        QWidget* parent = owner ? owner.data() : QApplication::activeWindow();
        box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), {}, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        // Closing the box starts the next one afresh.
        connect(box, &QObject::destroyed, this, [this] { problems.clear(); });
        box->setWindowModality(Qt::NonModal);
        showAtGameScale(*box);
    }
    // A long path may break after any of its slashes, so the box stays
    // narrower than the game's window.
    box->setText(text().replace('/', QStringLiteral("/\u200b")));
    box->show();
}
