// The window as designed: its controls with their places, looks and captions, the menu bar, and the
// wiring of every event to its handler.
#include "window/form1.h"

#include "common/icon.h"
#include "common/songs.h"
#include "platform/controls/accessible.h"
#include "platform/controls/file_list.h"
#include "platform/controls/focus_ring.h"
#include "platform/controls/grab_watch.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/controls/vb_timer.h"
#include "platform/sound/media_backend.h"
#include "platform/sound/mmcontrol.h"
#include "window/looks.h"

#include <QApplication>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <chrono>

namespace {

Label *makeLabel(QWidget *parent, double l, double t, double w, double h, const QColor &back)
{
    auto *label = new Label(parent);
    twips::setGeometry(label, l, t, w, h);
    label->setBackground(back);
    label->setForeground(looks::labelText);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &caption, double l, double t, double w, double h)
{
    auto *b = new QPushButton(caption, parent);
    twips::setGeometry(b, l, t, w, h);
    b->setFont(looks::font(QStringLiteral("Arial"), 12, true));
    // A click leaves the keyboard where it was: only Tab brings it to a button, whose Return or
    // Space then presses it.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(true);
    return b;
}

PictureBox *makeTemplate(QWidget *parent, double l, double t, double w, double h)
{
    auto *box = new PictureBox(parent);
    twips::setGeometry(box, l, t, w, h);
    box->hide();
    return box;
}

} // namespace

Form1::Form1(Form1Context context) : context_(std::move(context))
{
    rng_.seed(context_.randomSeed.value_or(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) ^
                                           0x9e3779b97f4a7c15ull));
    buildControls();
    buildMenus();
    wireHandlers();
    wireWaysIn();
    // When every song has failed once in a row, sequential play rests until the player asks again.
    MMC1->setRestAfterFailures(canzoni.ubound());
    // The window takes its size from the screen, not from what its menu bar and controls would like.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // Below this, the buttons' captions and the tiles would no longer read.
    setMinimumSize(640, 480);
    connect(screen(), &QScreen::availableGeometryChanged, this, &Form1::fitToScreen);
    clock_.setInterval(clockStepMs);
    connect(&clock_, &QTimer::timeout, this, &Form1::animationStep);
}

Form1::~Form1()
{
    // The window's controls are hidden as they go, after the window's own part is gone: the mouse is
    // no longer watched by then.
    delete grabWatch_;
    // The control and its song player go before the player's backend.
    delete MMC1;
    MMC1 = nullptr;
}

void Form1::buildControls()
{
    setWindowTitle(QStringLiteral("Rizerizo  -  Vareriz"));
    setWindowIcon(gameIcons());
    surface = new QWidget(this);
    surface->setAutoFillBackground(true);
    QPalette pal = surface->palette();
    pal.setColor(QPalette::Window, looks::formBack);
    pal.setColor(QPalette::WindowText, looks::formFore);
    surface->setPalette(pal);
    surface->setFont(looks::font(QStringLiteral("MS Sans Serif"), 8.25));
    setCentralWidget(surface);
    surface->installEventFilter(this);
    resize(twips::toPixels(12132), twips::toPixels(9948));

    Timer1 = new VbTimer(this);
    Timer1->setInterval(10);

    // Labels first: they lie beneath every other control.
    Label9 = makeLabel(surface, 7680, 120, 3852, 375, looks::olive);
    Label9->setBordered(true);
    Label9->setAlignment(Qt::AlignCenter);
    Label9->setFont(looks::font(QStringLiteral("Garamond"), 18, true, true));
    LBLcongrat = makeLabel(surface, 480, 5880, 3372, 852, looks::bannerYellow);
    LBLcongrat->setText(tr("Congratulations"));
    LBLcongrat->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LBLcongrat->setFont(looks::font(QStringLiteral("Garamond"), 24, false, true));
    Label1 = makeLabel(surface, 480, 480, 5172, 5172, Qt::white);
    Label1->setAccessibleName(tr("Board"));
    Label6 = makeLabel(surface, 6840, 5520, 1572, 1332, Qt::white);
    Label6->hide();
    Label5 = makeLabel(surface, 2160, 7440, 3855, 615, looks::olive);
    Label5->setBordered(true);
    Label7 = makeLabel(surface, 4800, 6120, 2055, 375, looks::paleYellow);
    Label7->setBordered(true);
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setFont(looks::font(QStringLiteral("MS Sans Serif"), 12, true));
    Label7->hide();
    Label8 = makeLabel(surface, 5640, 480, 1575, 5175, looks::stripBlue);
    Label8->setForeground(Qt::white);
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label8->setWordWrap(true);

    Text2 = new QPlainTextEdit(surface);
    twips::setGeometry(Text2, 6600, 6960, 3372, 1452);
    Text2->setReadOnly(true);
    // The name and the version, a line of 20 hyphens, and two lines of legal notice.
    Text2->setPlainText(QStringLiteral("Vareriz ver 2.0\r\n--------------------\r\n") +
                        tr("Free software: you may copy, share and change it.") + QStringLiteral("\r\n") +
                        tr("It comes with no warranty of any kind.") + QStringLiteral("\r\n"));
    QPalette tp = Text2->palette();
    tp.setColor(QPalette::Base, looks::paleYellow);
    Text2->setPalette(tp);
    Text2->viewport()->installEventFilter(this);
    Text2->hide();

    Text2->setAccessibleName(tr("About"));

    List1 = new QListWidget(surface);
    List1->setUniformItemSizes(true); // a folder of thousands of categories shows at once
    twips::setGeometry(List1, 0, 0, 2772, 2712);
    List1->hide();
    List1->setAccessibleName(tr("Categories"));
    File1 = new FileListBox(surface);
    File1->setAccessibleName(tr("Pictures"));
    twips::setGeometry(File1, 0, 2760, 2772, 2712);
    File1->hide();
    // Return and Enter choose the highlighted line as a click does, Escape closes the lists; Tab moves
    // between them.
    List1->installEventFilter(this);
    File1->installEventFilter(this);
    setTabOrder(List1, File1);

    CMGame = makeButton(surface, tr("New Image"), 6960, 8520, 2064, 360);
    Picture2.setTemplate(makeTemplate(surface, 1080, 7440, 735, 735));
    Picture1.setTemplate(makeTemplate(surface, 0, 7440, 735, 735));
    Picture1[0]->setFramed(true);
    Picture1[0]->setBackground(QColor(192, 192, 192));
    Picture3 = makeTemplate(surface, 9000, 7680, 2046, 2042);
    setAccessibleRole(Picture3, QAccessible::Graphic);
    Picture3->setAccessibleName(tr("The whole picture"));
    Picture4.setTemplate(makeTemplate(surface, 0, 8400, 495, 495));
    Picture4[0]->setBackground(Qt::white);
    CMquit = makeButton(surface, tr("Quit"), 2520, 8520, 2064, 360);
    CMNew = makeButton(surface, tr("Reshuffle"), 4680, 8520, 2064, 360);

    MMC1 = new MMControl(surface, context_.media.get());
    twips::setGeometry(MMC1, 4320, 0, 2352, 360);

    ring = new FocusRing(surface);

    for (Label *l : {Label8, Label7, Label5, Label6, Label1, LBLcongrat, Label9})
        l->lower();
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    files = bar->addAction(tr("&Images"));

    options = bar->addMenu(tr("&Options"));
    ntessere = options->addMenu(tr("&N\u00B0 of tesserae"));
    for (int i = 1; i <= 3; ++i) {
        const QString caption = i == 1 ? QStringLiteral("16") : i == 2 ? QStringLiteral("25") : QStringLiteral("100");
        tessere.append(addItem(ntessere, caption, [this, i] { tessere_Click(Integer(i)); }));
    }
    tessere[3]->setChecked(true);
    nobeep = options->addMenu(tr("&Help beep"));
    yes = addItem(nobeep, tr("yes"), [this] { yes_Click(); });
    no = addItem(nobeep, tr("no"), [this] { no_Click(); });
    fix = options->addMenu(tr("&Block on right positions"));
    fixyes = addItem(fix, tr("yes"), [this] { fixyes_Click(); });
    fixno = addItem(fix, tr("no"), [this] { fixno_Click(); });

    music = bar->addMenu(tr("&Music"));
    nomusic = addItem(music, tr("none"), [this] { nomusic_Click(); });
    all = addItem(music, tr("Sequential mode"), [this] { all_Click(); });
    for (int i = 0; i < int(songs::names.size()); ++i)
        canzoni.append(
            addItem(music, QString::fromLatin1(songs::names[size_t(i)]), [this, i] { canzoni_Click(Integer(i + 1)); }));

    about = bar->addAction(tr("&About"));
}

void Form1::wireHandlers()
{
    connect(files, &QAction::triggered, this, &Form1::files_Click);
    connect(about, &QAction::triggered, this, &Form1::about_Click);
    connect(options, &QMenu::aboutToShow, this, &Form1::options_Click);
    connect(music, &QMenu::aboutToShow, this, &Form1::music_Click);
    connect(Timer1, &VbTimer::Timer, this, &Form1::Timer1_Timer);
    connect(CMGame, &QPushButton::clicked, this, &Form1::CMGame_Click);
    connect(CMNew, &QPushButton::clicked, this, &Form1::CMNew_Click);
    connect(CMquit, &QPushButton::clicked, this, &Form1::CMquit_Click);
    connect(List1, &QListWidget::itemClicked, this, &Form1::List1_Click);
    connect(File1, &QListWidget::itemClicked, this, &Form1::File1_Click);
    connect(Label1, &Label::clicked, this, &Form1::Label1_Click);
    connect(Label5, &Label::clicked, this, &Form1::Label5_Click);
    connect(Label6, &Label::clicked, this, &Form1::Label6_Click);
    connect(Label8, &Label::clicked, this, &Form1::Label8_Click);
    connect(Label9, &Label::clicked, this, &Form1::Label9_Click);
    connect(LBLcongrat, &Label::clicked, this, &Form1::LBLcongrat_Click);
    connect(Picture3, &PictureBox::clicked, this, &Form1::Picture3_Click);
    connect(MMC1, &MMControl::Done, this, &Form1::MMC1_Done);
    grabWatch_ = new GrabWatch(this);
    connect(grabWatch_, &GrabWatch::taken, this, &Form1::giveBack);
}

bool Form1::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == surface && e->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == surface && e->type() == QEvent::KeyPress) {
        // A key held down repeats as pairs of release and press at one and the same time; the X
        // server's pairs are not always marked as repeats.
        const auto *key = static_cast<QKeyEvent *>(e);
        const bool held = key->isAutoRepeat() ||
                          (key->timestamp() != 0 && key->key() == released_.key && key->timestamp() == released_.at);
        if (keyboardPlay(key->key(), held))
            return true;
    } else if (watched == surface && e->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(e);
        released_ = {key->key(), key->timestamp()};
    } else if (watched == surface && e->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(e);
        Form_MouseDown(buttonMask(me->button()), shiftMask(me->modifiers()), me->position().x() * twips::perPixel,
                       me->position().y() * twips::perPixel);
    } else if (Text2 && watched == Text2->viewport() && e->type() == QEvent::MouseButtonRelease) {
        Text2_Click();
    } else if ((watched == List1 || watched == File1) && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Escape) {
            Label1_Click();
            surface->setFocus();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && static_cast<QListWidget *>(watched)->currentItem()) {
            if (watched == List1)
                List1_Click();
            else
                File1_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

double Form1::W() const
{
    return twips::fromPixels(frameGeometry().width());
}
double Form1::H() const
{
    return twips::fromPixels(frameGeometry().height());
}

Long Form1::side() const
{
    return num::CLng(std::sqrt(double(TessNum)));
}

void Form1::tell(const QString &message)
{
    if (context_.tell)
        context_.tell(message);
    else
        QMessageBox::warning(this, windowTitle(), message);
}

// The beep goes out with the music, through the sound server the songs play on.
void Form1::beep()
{
    if (context_.media)
        context_.media->beep();
    else
        QApplication::beep();
}
