#pragma once
// The game's one window: its controls and menus, the state of the board, and every handler, grouped
// by the file that holds them.
#include "board/rules.h"
#include "platform/controls/control_array.h"
#include "platform/controls/numbers.h"
#include "platform/controls/vb_random.h"
#include "platform/pictures/picture_clip.h"
#include "platform/pictures/picture_loader.h"
#include "window/geometry.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class FileListBox;
class FocusRing;
class GrabWatch;
class Label;
class MMControl;
class MediaBackend;
class PictureBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class VbTimer;

// What the window needs from outside: the program folder, the sound (songs and the beep), and a way
// of telling the player something. main.cpp builds the real ones; tests their own.
struct Form1Context {
    QString programFolder; // frames, songs and the library of pictures
    QString playerFolder;  // the player's own categories of pictures, if any; never written to
    std::unique_ptr<MediaBackend> media;
    std::function<void(const QString &)> tell; // a message box over the window
    // Seeds the deals and the animation's jumps; without one the window seeds from the clock.
    std::optional<std::uint64_t> randomSeed;
};

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(Form1Context context);
    ~Form1() override;

    // ---- controls and menus (form1.cpp) ------------------------------------------------------
    QWidget *surface = nullptr; // the form's own surface: its coordinates are the inner coordinates
    VbTimer *Timer1 = nullptr;
    QPlainTextEdit *Text2 = nullptr;
    QListWidget *List1 = nullptr;
    FileListBox *File1 = nullptr;
    QPushButton *CMGame = nullptr, *CMquit = nullptr, *CMNew = nullptr;
    ControlArray<PictureBox> Picture2, Picture1, Picture4;
    PictureBox *Picture3 = nullptr;
    PictureClip PictureClip1;
    MMControl *MMC1 = nullptr;
    FocusRing *ring = nullptr; // the keyboard's highlight over the tray and the board
    Label *Label9 = nullptr, *LBLcongrat = nullptr, *Label1 = nullptr, *Label6 = nullptr, *Label5 = nullptr,
          *Label7 = nullptr, *Label8 = nullptr;

    QAction *files = nullptr, *about = nullptr;
    QMenu *options = nullptr, *ntessere = nullptr, *nobeep = nullptr, *fix = nullptr, *music = nullptr;
    QAction *yes = nullptr, *no = nullptr, *fixyes = nullptr, *fixno = nullptr, *nomusic = nullptr, *all = nullptr;
    MenuArray tessere, canzoni;

    // The window's outer width and height, in twips.
    double W() const;
    double H() const;
    // The program folder, where frames, pictures and songs are found.
    const QString &appPath() const { return context_.programFolder; }
    // The folders that hold a category's pictures: the library's, the player's, or both.
    QStringList categoryFolders(const QString &category) const;

    // ---- board state ----------------------------------------------------------------------
    Integer TessNum = 100;
    Integer nTess = 0;
    Long WidthX = 0, HeightY = 0;
    bool Interno = false;
    Integer DX = 0, DY = 0, DX1 = 0, DY1 = 0;
    Integer Z = 0;
    Integer wdt = 0;
    bool scelta_file = false;
    // Tiles per side: the square root of TessNum.
    Long side() const;

    // ---- library and music state --------------------------------------------------------------
    QString library_root, category_name, nome, model;
    Integer Brano = 0;

    // ---- start-up and shutdown (startup.cpp) ---------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void about_Click();
    void CMquit_Click();
    void Text2_Click();
    void Label5_Click();
    void Label6_Click();
    void Label9_Click();
    void options_Click();
    // False once start-up found a frame picture it cannot read; the program then ends.
    bool startedWell() const { return startedWell_; }
    // Form_Load, then Form_Activate when start-up went well: the window's first appearance.
    void start();

    // ---- layout (layout.cpp) ------------------------------------------------------------------
    void Form_Resize();
    // Where every part stands in the window as it is now.
    geometry::Layout arrangement() const;

    // ---- waiting animation (animation.cpp) ----------------------------------------------------
    void Timer1_Timer();
    bool animationRunning() const { return anim_.running; }
    // One step of the clock: how long each frame stays on show.
    static constexpr int clockStepMs = 55;

    // ---- cutting and layout of the board (board/cutting.cpp) ---------------------------------
    void graphic_load();
    void disponi_celle();

    // ---- shuffle (board/shuffle.cpp) -------------------------------------------------------------
    void mescola();
    void CMNew_Click();
    const std::array<Integer, 101> &trayOrder() const { return tray_order; }

    // ---- tile count and play options (board/options.cpp) -------------
    void tessere_Click(Integer Index);
    void yes_Click();
    void no_Click();
    void fixyes_Click();
    void fixno_Click();

    // ---- drag and drop, placement (board/drag_drop.cpp, board/placement.cpp) --------------------
    void Picture2_MouseDown(Integer Index, int Button, int Shift, double X, double Y);
    void Picture2_MouseMove(Integer Index, int Button, int Shift, double X, double Y);
    void Picture2_MouseUp(Integer Index, int Button, int Shift, double X, double Y);
    void LBLcongrat_Click();
    void beep();

    // ---- playing by keys (board/keyboard.cpp) ----------------------------------------------------
    // Handles a key that reached a tile or a cell; false when it is not the game's.
    bool keyboardPlay(int key, bool repeated = false);
    Integer liftedTile() const { return lifted_; }

    // ---- library (library/categories.cpp, library/choice.cpp) -----------------------------------
    void importa_dati();
    void files_Click();
    void List1_Click();
    void Label1_Click();
    void Label8_Click();
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void File1_Click();
    void CMGame_Click();
    void Picture3_Click();
    // Reads and judges a picture, then deals it as a game: `name` is what the player knows it by,
    // `caption` and `library` go on the two labels; without a model its preview is the picture
    // itself. False, and the player told why, when it cannot be used.
    bool deal(const picture::Source &source, const QString &name, const QString &caption, const QString &library,
              const QString &modelPath);

    // ---- photos from anywhere on the desktop (library/ways_in.cpp) -------------------------------
    // Open With, the command line, a drop and the file dialog: a photo file, dealt while no picture
    // is chosen; its folder's name stands for its library.
    void openPhoto(const QString &path);
    void pastePhoto();      // Ctrl+V, Shift+Insert
    void choosePhotoFile(); // Ctrl+O

    // ---- music (music/music.cpp) ---------------------------------------------------------------
    void canzoni_Click(Integer Index);
    void all_Click();
    void nomusic_Click();
    void music_Click();
    void MMC1_Done(int NotifyCode);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void changeEvent(QEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void buildMenus();
    void wireHandlers();
    void wireWaysIn();
    void tell(const QString &message);
    bool loadFrames();
    // Sizes the tile and cell templates for the current tile count and window.
    void sizeTemplates();
    // Makes a tile or a cell Z twips square, its inner scale Z units across and down.
    void square(PictureBox *box) const;
    void fitBoard();
    // Gives the keyboard to the game itself, where Return and Space cannot end it.
    void focusGame();
    static bool placesItself();
    // The window manager's frame around the window; nothing until it has framed the window.
    QMargins frameMargins() const;
    void fitToScreen();
    void destroyBoard();
    void animationStep();
    void endAnimation();
    void placement();
    void carryAway();
    void giveBack();
    void pickUp(Integer Index);
    void land(const rules::Landing &at);
    int trayPlaceWithFocus() const;
    int cellWithFocus() const;
    bool inTray(int place) const;
    bool focusTray();
    void focusBoard();
    void lift(Integer tile);
    void unlift();
    void putDown(int cell);
    void nameBoard();

    Form1Context context_;
    bool startedWell_ = true;
    bool unloading_ = false;
    bool dealing_ = false; // a picture is being read and dealt
    QMargins fittedFrame_; // the frame the window was last fitted with
    GrabWatch *grabWatch_ = nullptr;
    VbRandom rng_;

    std::array<Integer, 101> tile_pool{};
    std::array<Integer, 101> tray_order{};
    Long down_x = 0, down_y = 0;
    Integer drag_index = 0;
    Long drag_left = 0, drag_top = 0;
    // The cell a tile was picked up from (0 for the tray); known exactly at the press.
    Integer drag_cell = 0;
    // The cell each tile stands on; 0 while it is in the tray.
    std::array<Integer, 101> tile_cell{};
    Integer lifted_ = 0;    // the tile the keyboard lifted
    bool carrying_ = false; // the mouse carries a tile
    // The key last let go, and when: a press of it at that very time is the key held down.
    struct {
        int key = 0;
        quint64 at = 0;
    } released_;
    QImage preview_; // the chosen picture's preview, as loaded

    struct Animation {
        bool running = false;
        int frame = 0;    // the frame on show, 1 ... 6
        QElapsedTimer t0; // the run's time base, for the strip's blinking
    } anim_;
    QTimer clock_; // one tick per step of the clock while an animation run is in progress
};
