#include "qt/clipboard.h"

#include "format/board_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef __linux__
#include <QSocketNotifier>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <poll.h>
#include <xcb/xcb.h>
#endif

namespace bse {

namespace {

const QString boardMimeType = QStringLiteral("application/x-plinkor2-board");

// A type's bytes as far as they are read: one past the limit tells that there were more.
template <typename Container> Container cut(const QByteArray& bytes) {
    const auto size = std::min(bytes.size(), static_cast<qsizetype>(clipboardByteLimit + 1));
    return Container(bytes.begin(), bytes.begin() + size);
}

} // namespace

#ifdef __linux__

// Another program's clipboard, read over the editor's own X connection. Each transfer asks the
// owner for one type into a window of its own, gone once the transfer ends: a late answer to a
// transfer given up on finds no window, and nobody waiting for it.
class XClipboard {
  public:
    using Told = std::function<void(Platform::ClipboardTypes)>;
    // Nothing when the X server cannot be reached.
    static std::unique_ptr<XClipboard> open(Told told);
    ~XClipboard();

    // In the background: `told` runs with what is offered, or with nothing after the wait.
    void ask();
    // Waits for the owner's answers, answerTime at most in all.
    Platform::ClipboardBoard board();

  private:
    static constexpr std::chrono::milliseconds answerTime{300};
    using Clock = std::chrono::steady_clock;
    enum Atom { Clipboard, Targets, Property, Incr, Board, Utf8, TextUtf8, Text, String, Atoms };
    static constexpr std::array<const char*, Atoms> atomNames{
        "CLIPBOARD", "TARGETS",     "BSE_CLIPBOARD_TRANSFER",   "INCR",
        "",          "UTF8_STRING", "text/plain;charset=utf-8", "text/plain",
        "STRING"};
    enum class State { Asked, Incremental, Done, Refused };
    struct Transfer {
        State state = State::Asked;
        std::string bytes;
    };

    XClipboard(xcb_connection_t* connection, xcb_window_t root, Told told);
    xcb_window_t start(Atom type);
    void end(xcb_window_t window);
    bool pending(xcb_window_t window) const;
    // The background question's answer; nothing when none came in time.
    void answered(std::optional<Platform::ClipboardTypes> offered);
    void dispatch();
    void handle(const xcb_generic_event_t& event);
    void read(xcb_window_t window, Transfer& transfer);
    std::optional<Transfer> fetch(Atom type, Clock::time_point deadline);
    std::vector<xcb_atom_t> types(const Transfer& targets) const;
    bool offers(const std::vector<xcb_atom_t>& types, Atom type) const;
    Platform::ClipboardTypes typesOffered(const Transfer& targets) const;

    xcb_connection_t* connection_;
    xcb_window_t root_;
    std::array<xcb_atom_t, Atoms> atoms_{};
    Told told_;
    QSocketNotifier notifier_;
    QTimer askTimer_;
    xcb_window_t asking_ = 0; // the background question, while it waits
    bool askAgain_ = false;   // the clipboard changed since it was asked
    std::map<xcb_window_t, Transfer> transfers_;
};

std::unique_ptr<XClipboard> XClipboard::open(Told told) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screenNumber > 0 && screen.rem > 1; --screenNumber) {
        xcb_screen_next(&screen);
    }
    return std::unique_ptr<XClipboard>(
        new XClipboard(connection, screen.data->root, std::move(told)));
}

XClipboard::XClipboard(xcb_connection_t* connection, xcb_window_t root, Told told)
    : connection_(connection), root_(root), told_(std::move(told)),
      notifier_(xcb_get_file_descriptor(connection), QSocketNotifier::Read) {
    std::array<xcb_intern_atom_cookie_t, Atoms> cookies{};
    const QByteArray boardType = boardMimeType.toLatin1();
    for (std::size_t i = 0; i < Atoms; ++i) {
        const char* name = i == Board ? boardType.constData() : atomNames[i];
        cookies[i] = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    }
    for (std::size_t i = 0; i < Atoms; ++i) {
        if (xcb_intern_atom_reply_t* reply =
                xcb_intern_atom_reply(connection, cookies[i], nullptr)) {
            atoms_[i] = reply->atom;
            std::free(reply);
        }
    }
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { dispatch(); });
    askTimer_.setSingleShot(true);
    askTimer_.setInterval(answerTime);
    QObject::connect(&askTimer_, &QTimer::timeout, [this] { answered(std::nullopt); });
}

XClipboard::~XClipboard() {
    notifier_.setEnabled(false);
    xcb_disconnect(connection_);
}

xcb_window_t XClipboard::start(Atom type) {
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE; // the parts of a long answer
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, root_, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_convert_selection(connection_, window, atoms_[Clipboard], atoms_[type], atoms_[Property],
                          XCB_CURRENT_TIME);
    xcb_flush(connection_);
    transfers_[window] = {};
    return window;
}

void XClipboard::end(xcb_window_t window) {
    if (transfers_.erase(window) > 0) {
        xcb_destroy_window(connection_, window);
        xcb_flush(connection_);
    }
}

bool XClipboard::pending(xcb_window_t window) const {
    const auto found = transfers_.find(window);
    return found != transfers_.end() &&
           (found->second.state == State::Asked || found->second.state == State::Incremental);
}

// One question at a time: a change while one waits asks again once it is answered, so that no
// owner answers into a window already gone.
void XClipboard::ask() {
    if (asking_ != 0) {
        askAgain_ = true;
        return;
    }
    asking_ = start(Targets);
    askTimer_.start();
}

void XClipboard::answered(std::optional<Platform::ClipboardTypes> offered) {
    askTimer_.stop();
    end(std::exchange(asking_, 0));
    if (std::exchange(askAgain_, false)) {
        ask();
        if (offered) { // what an owner since replaced offered
            return;
        }
    }
    // Told from the event loop: a paste may be waiting here.
    QTimer::singleShot(0, &notifier_, [this, types = offered.value_or(Platform::ClipboardTypes{})] {
        told_(types);
    });
}

void XClipboard::dispatch() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        handle(*event);
        std::free(event);
    }
    if (asking_ != 0 && !pending(asking_)) {
        answered(typesOffered(transfers_.at(asking_)));
    }
}

void XClipboard::handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
    case XCB_SELECTION_NOTIFY: {
        const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
        const auto found = transfers_.find(notify.requestor);
        if (found == transfers_.end() || found->second.state != State::Asked) {
            return;
        }
        if (notify.property == XCB_NONE) { // not of that type
            found->second.state = State::Refused;
            return;
        }
        read(found->first, found->second);
        return;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        const auto found = transfers_.find(notify.window);
        if (found != transfers_.end() && found->second.state == State::Incremental &&
            notify.atom == atoms_[Property] && notify.state == XCB_PROPERTY_NEW_VALUE) {
            read(found->first, found->second);
        }
        return;
    }
    default:
        return;
    }
}

// The answer so far. Long answers come in parts (INCR): each taken part lets the owner put the
// next; an empty one ends them. Past the limit, the rest is left.
void XClipboard::read(xcb_window_t window, Transfer& transfer) {
    const auto longs = static_cast<std::uint32_t>(clipboardByteLimit / 4 + 1);
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection_,
                               xcb_get_property(connection_, 1, window, atoms_[Property],
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, longs),
                               nullptr);
    if (reply == nullptr) {
        transfer.state = State::Refused;
        return;
    }
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply));
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply));
    const bool more = reply->bytes_after > 0;
    if (reply->type == atoms_[Incr] && transfer.state == State::Asked) {
        transfer.state = State::Incremental;
    } else {
        transfer.bytes.append(value, length);
        if (transfer.bytes.size() > clipboardByteLimit || more) {
            transfer.bytes.resize(clipboardByteLimit + 1);
            transfer.state = State::Done;
        } else if (transfer.state == State::Asked || length == 0) {
            transfer.state = State::Done;
        }
    }
    std::free(reply);
    xcb_flush(connection_);
}

std::optional<XClipboard::Transfer> XClipboard::fetch(Atom type, Clock::time_point deadline) {
    const xcb_window_t window = start(type);
    for (dispatch(); pending(window); dispatch()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_) != 0) {
            end(window);
            return std::nullopt;
        }
        pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&socket, 1, static_cast<int>(left.count()));
    }
    Transfer transfer = std::move(transfers_.at(window));
    end(window);
    return transfer;
}

std::vector<xcb_atom_t> XClipboard::types(const Transfer& targets) const {
    std::vector<xcb_atom_t> types(targets.state == State::Done ? targets.bytes.size() / 4 : 0);
    if (!types.empty()) { // memcpy of nothing from an empty vector's null data is undefined
        std::memcpy(types.data(), targets.bytes.data(), types.size() * 4);
    }
    return types;
}

bool XClipboard::offers(const std::vector<xcb_atom_t>& types, Atom type) const {
    return std::find(types.begin(), types.end(), atoms_[type]) != types.end();
}

Platform::ClipboardTypes XClipboard::typesOffered(const Transfer& targets) const {
    const std::vector<xcb_atom_t> offered = types(targets);
    return {offers(offered, Board), offers(offered, Utf8) || offers(offered, TextUtf8) ||
                                        offers(offered, Text) || offers(offered, String)};
}

Platform::ClipboardBoard XClipboard::board() {
    const Clock::time_point deadline = Clock::now() + answerTime;
    const Platform::ClipboardBoard unanswered{std::nullopt, std::nullopt, false};
    const std::optional<Transfer> targets = fetch(Targets, deadline);
    if (!targets) {
        return unanswered;
    }
    const std::vector<xcb_atom_t> offered = types(*targets);
    Platform::ClipboardBoard board;
    // The board's own type, else the first text type offered of those that keep ASCII as it is.
    for (const Atom type : {Board, Utf8, TextUtf8, Text, String}) {
        if (!offers(offered, type)) {
            continue;
        }
        const std::optional<Transfer> answer = fetch(type, deadline);
        if (!answer) {
            return unanswered;
        }
        if (answer->state != State::Done) {
            continue;
        }
        if (type == Board) {
            board.cells = Bytes(answer->bytes.begin(), answer->bytes.end());
        } else {
            board.text = answer->bytes;
        }
        break;
    }
    return board;
}

#else

class XClipboard {
  public:
    Platform::ClipboardBoard board() { return {}; }
    void ask() {}
};

#endif

Clipboard::Clipboard(std::function<void()> changed)
    : changed_(std::move(changed)), x11_(QGuiApplication::platformName() == QLatin1String("xcb")) {
#ifdef __linux__
    if (x11_) {
        x_ = XClipboard::open([this](Platform::ClipboardTypes offered) {
            offered_ = offered;
            changed_();
        });
    }
#endif
}

Clipboard::~Clipboard() = default;

void Clipboard::watch() {
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &context_,
                     [this] { ask(); });
    ask();
}

bool Clipboard::holdsOwnCopy() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // On X11 asking for the data would ask the X server who owns the clipboard.
    return x11_ ? clipboard->ownsClipboard() : own_ && clipboard->mimeData() == own_;
}

void Clipboard::ask() {
    const bool own = holdsOwnCopy();
    if (x_ && !own) {
        x_->ask();
        return;
    }
    // Elsewhere the types come with the news of a change, without asking the owner.
    const QMimeData* data = own || x11_ ? nullptr : QGuiApplication::clipboard()->mimeData();
    offered_ = {data != nullptr && data->hasFormat(boardMimeType),
                data != nullptr && data->hasText()};
    QTimer::singleShot(0, &context_, [this] { changed_(); });
}

void Clipboard::put(std::string_view text, const Bytes& cells) {
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    data->setData(boardMimeType,
                  QByteArray(reinterpret_cast<const char*>(cells.data()), qsizetype(cells.size())));
    own_ = data;
    QGuiApplication::clipboard()->setMimeData(data);
}

Platform::ClipboardBoard Clipboard::board() {
    if (holdsOwnCopy()) {
        return {};
    }
    if (x11_) {
        return x_ ? x_->board() : Platform::ClipboardBoard{};
    }
    Platform::ClipboardBoard board;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        if (data->hasFormat(boardMimeType)) {
            board.cells = cut<Bytes>(data->data(boardMimeType));
        } else if (data->hasText()) {
            board.text = cut<std::string>(data->text().toUtf8());
        }
    }
    return board;
}

} // namespace bse
