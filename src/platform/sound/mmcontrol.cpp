#include "platform/sound/mmcontrol.h"

#include "platform/controls/accessible.h"
#include "platform/sound/media_backend.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int failureSpacingMs = 1000;

enum class Glyph { Play, Pause, Stop };

// The device buttons' symbols, drawn here rather than looked up in an icon theme at start-up.
QIcon deviceIcon(Glyph glyph)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    switch (glyph) {
    case Glyph::Play: p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(13, 8), QPointF(4, 14)})); break;
    case Glyph::Pause:
        p.drawRect(QRectF(4, 3, 3, 10));
        p.drawRect(QRectF(9, 3, 3, 10));
        break;
    case Glyph::Stop: p.drawRect(QRectF(4, 4, 8, 8)); break;
    }
    return QIcon(pm);
}

} // namespace

MMControl::MMControl(QWidget *parent, MediaBackend *backend) : QWidget(parent), backend_(backend)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    // Each device button says what it does: in its tip, and to a screen reader.
    setAccessibleRole(this, QAccessible::Grouping);
    setAccessibleName(tr("Music"));
    auto button = [&](Glyph glyph, const QString &name, const char *word) {
        auto *b = new QToolButton(this);
        b->setIcon(deviceIcon(glyph));
        b->setToolTip(name);
        b->setAccessibleName(name);
        b->setAutoRaise(false);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, word] {
            wake();
            setCommand(QString::fromLatin1(word));
        });
        row->addWidget(b);
        return b;
    };
    playButton_ = button(Glyph::Play, tr("Play"), "play");
    pauseButton_ = button(Glyph::Pause, tr("Pause"), "pause");
    stopButton_ = button(Glyph::Stop, tr("Stop"), "stop");
    failed_.setSingleShot(true);
    connect(&failed_, &QTimer::timeout, this, [this] {
        sinceFailure_.start();
        reportingFailure_ = true;
        emit Done(1);
        reportingFailure_ = false;
    });
    if (backend_)
        connect(backend_, &MediaBackend::finished, this, &MMControl::onFinished);
    updateButtons();
}

void MMControl::setCommand(const QString &word)
{
    const QString w = word.trimmed().toLower();
    const bool wait = wait_;
    wait_ = false;
    if (w == u"open")
        open();
    else if (w == u"close")
        close();
    else if (w == u"play") {
        play();
        if (wait && playing_) {
            QEventLoop loop;
            connect(this, &MMControl::Done, &loop, &QEventLoop::quit);
            connect(backend_, &MediaBackend::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
    } else if (w == u"pause")
        pause();
    else if (w == u"stop")
        stop();
    updateButtons();
}

void MMControl::setFrom(long position)
{
    if (position == 0)
        fromStart_ = true;
}

void MMControl::open()
{
    close();
    if (fileName_.isEmpty() || !backend_)
        return;
    open_ = backend_->open(fileName_);
    failedOpen_ = !open_;
    if (open_)
        failures_ = 0;
    fromStart_ = true;
}

void MMControl::close()
{
    failed_.stop();
    failedOpen_ = false;
    if (backend_ && open_)
        backend_->close();
    open_ = false;
    playing_ = false;
}

void MMControl::play()
{
    if (!open_) {
        // A song that could not be opened counts as ended, once; reports of such songs are spaced,
        // so that a folder of broken songs is not raced through.
        if (failedOpen_ && !failed_.isActive()) {
            failedOpen_ = false;
            if (restAfter_ > 0 && ++failures_ >= restAfter_)
                return;
            const qint64 since = sinceFailure_.isValid() ? sinceFailure_.elapsed() : failureSpacingMs;
            failed_.start(int(std::max<qint64>(0, failureSpacingMs - since)));
        }
        return;
    }
    if (playing_ && !fromStart_)
        return;
    if (playing_)
        backend_->pause();
    backend_->play(fromStart_);
    fromStart_ = false;
    playing_ = true;
}

void MMControl::pause()
{
    if (!playing_)
        return;
    backend_->pause();
    playing_ = false;
}

void MMControl::stop()
{
    pause();
    if (open_)
        fromStart_ = true;
}

void MMControl::onFinished()
{
    if (!playing_)
        return;
    playing_ = false;
    // A later "play" without a start position begins the song again.
    fromStart_ = true;
    updateButtons();
    emit Done(1);
}

void MMControl::updateButtons()
{
    playButton_->setEnabled(open_ && !playing_);
    pauseButton_->setEnabled(playing_);
    stopButton_->setEnabled(open_);
}
