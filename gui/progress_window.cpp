#include "gui/progress_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/fixed_size.h"
#include "gui/qt_strings.h"

namespace tiebreak {
namespace {

// A run shorter than this shows no window at all.
constexpr qint64 ShowAfterMilliseconds = 500;
// How often the phase and the end of the run are looked at.
constexpr int PollMilliseconds = 50;

}  // namespace

CProgressWindow::CProgressWindow(RunProgress& progress)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      progress_(progress),
      phase_(new QLabel(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QApplication::applicationName());
    setWindowModality(Qt::ApplicationModal);
    auto* name = new QLabel(QApplication::applicationName(), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    phase_->setObjectName(QStringLiteral("phaseLabel"));
    // Wide enough for every phase, so that the window keeps its size as they change.
    phase_->setMinimumWidth(phase_->fontMetrics().horizontalAdvance(QString(40, QChar('x'))));
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0);  // no end known: the bar moves to and fro
    busy->setTextVisible(false);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel_, &QPushButton::clicked, this, &CProgressWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(phase_);
    layout->addWidget(busy);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    keepFixedSize(*this);
}

void CProgressWindow::reject() {
    // The run stops at its next phase; the window goes when it has.
    progress_.cancel();
    cancel_->setEnabled(false);
    phase_->setText(tr("Stopping..."));
}

void CProgressWindow::showPhase(const QString& phase) {
    if (progress_.cancelled()) return;
    if (phase_->text() != phase) phase_->setText(phase);
}

void QtProgressView::waitFor(RunProgress& progress) {
    if (progress.finished()) return;
    CProgressWindow window(progress);
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(PollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (progress.finished()) {
            loop.quit();
            return;
        }
        if (clock.elapsed() < ShowAfterMilliseconds) return;
        window.showPhase(toQString(progress.phase()));
        if (!window.isVisible()) window.show();
    });
    poll.start();
    loop.exec();
    window.hide();
}

}  // namespace tiebreak
