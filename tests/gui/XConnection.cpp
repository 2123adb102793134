// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/XConnection.h"

#include <algorithm>
#include <poll.h>
#include <stdexcept>

// Last, so that X11's macros cannot reach into Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// A window that goes away between listing it and asking about it raises BadWindow; that is
// no reason to end the test (Xlib's own handler would exit the process).
int IgnoreError(Display* /*display*/, XErrorEvent* /*error*/)
{
    return 0;
}

// The pixels of an image whose layout is the usual 32-bit one copy straight in; any other
// goes pixel by pixel through Xlib.
QImage ToQImage(XImage& image)
{
    QImage result(image.width, image.height, QImage::Format_RGB32);
    const bool direct = image.bits_per_pixel == 32 && image.byte_order == LSBFirst &&
                        image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 &&
                        image.blue_mask == 0xFF;
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        if (direct) {
            const auto* source = reinterpret_cast<const quint32*>(
                image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line);
            for (int x = 0; x < image.width; ++x) {
                line[x] = 0xFF000000U | source[x];
            }
            continue;
        }
        for (int x = 0; x < image.width; ++x) {
            const unsigned long pixel = XGetPixel(&image, x, y);
            line[x] = qRgb(static_cast<int>((pixel & image.red_mask) >> 16U),
                           static_cast<int>((pixel & image.green_mask) >> 8U),
                           static_cast<int>(pixel & image.blue_mask));
        }
    }
    return result;
}

} // namespace

struct XConnection::State {
    Display* display = nullptr;
    std::vector<XWindowId> mapped;
    long pings = 0;

    // Selects on the root window what both watching maps and pings need: its children's maps,
    // and the answers to pings, which come as if about the root window itself.
    void WatchRoot() const
    {
        XSelectInput(display, DefaultRootWindow(display),
                     SubstructureNotifyMask | StructureNotifyMask);
    }

    // Takes in the events that have arrived: notes the maps, and whether `wanted` is among
    // them (pings are answered to the root window with the ping's own contents).
    bool TakeEvents(const XClientMessageEvent* wanted)
    {
        bool found = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
                mapped.push_back(event.xmap.window);
            }
            if (wanted != nullptr && event.type == ClientMessage &&
                event.xclient.message_type == wanted->message_type &&
                event.xclient.data.l[0] == wanted->data.l[0] &&
                event.xclient.data.l[1] == wanted->data.l[1] &&
                event.xclient.data.l[2] == wanted->data.l[2]) {
                found = true;
            }
        }
        return found;
    }
};

XConnection::XConnection(const std::string& displayName)
    : m_state(std::make_unique<State>())
{
    m_state->display = XOpenDisplay(displayName.c_str());
    if (m_state->display == nullptr) {
        throw std::runtime_error("cannot open display " + displayName);
    }
    XSetErrorHandler(IgnoreError);
}

XConnection::~XConnection()
{
    XCloseDisplay(m_state->display);
}

QImage XConnection::Grab(const QRect& rect)
{
    Display* display = m_state->display;
    const int screen = DefaultScreen(display);
    const QRect shown = rect.intersected(
        QRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)));
    if (shown.isEmpty()) {
        return {};
    }
    XImage* image = XGetImage(display, RootWindow(display, screen), shown.x(), shown.y(),
                              static_cast<unsigned>(shown.width()),
                              static_cast<unsigned>(shown.height()), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    QImage result = ToQImage(*image);
    XDestroyImage(image);
    return result;
}

std::vector<ShownWindow> XConnection::ShownTopLevels()
{
    Display* display = m_state->display;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<ShownWindow> shown;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return shown;
    }
    for (unsigned index = 0; index < count; ++index) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[index], &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            continue;
        }
        shown.push_back({children[index],
                         QRect(attributes.x, attributes.y, attributes.width, attributes.height)});
    }
    if (children != nullptr) {
        XFree(children);
    }
    return shown;
}

void XConnection::WatchMaps()
{
    m_state->WatchRoot();
    XSync(m_state->display, False);
}

std::vector<XWindowId> XConnection::MappedWindows()
{
    // A round trip, so that every map the server made before now has arrived.
    XSync(m_state->display, False);
    m_state->TakeEvents(nullptr);
    return m_state->mapped;
}

std::vector<QSize> XConnection::IconSizes(XWindowId window)
{
    Display* display = m_state->display;
    const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
    // Pictures of up to 256 pixels square, several of them, fit in far fewer 32-bit items.
    constexpr long kMostItems = 1L << 20;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::vector<QSize> sizes;
    if (XGetWindowProperty(display, window, icon, 0, kMostItems, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) != Success ||
        data == nullptr) {
        return sizes;
    }
    // Each picture is its width and height, then that many pixels; Xlib hands 32-bit items
    // over as longs.
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long at = 0; format == 32 && at + 2 <= count;) {
        const unsigned long width = items[at];
        const unsigned long height = items[at + 1];
        sizes.emplace_back(static_cast<int>(width), static_cast<int>(height));
        at += 2 + width * height;
    }
    XFree(data);
    return sizes;
}

void XConnection::FocusNoWindow()
{
    XSetInputFocus(m_state->display, None, RevertToNone, CurrentTime);
    XSync(m_state->display, False);
}

bool XConnection::RequestClose(XWindowId window)
{
    Display* display = m_state->display;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Atom* supported = nullptr;
    int count = 0;
    bool takesPart = false;
    if (XGetWMProtocols(display, window, &supported, &count) != 0) {
        for (int index = 0; index < count; ++index) {
            takesPart = takesPart || supported[index] == deleteWindow;
        }
        XFree(supported);
    }
    if (!takesPart) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return true;
}

bool XConnection::Ping(XWindowId window, std::chrono::milliseconds timeout)
{
    Display* display = m_state->display;
    m_state->WatchRoot();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "_NET_WM_PING", False));
    event.xclient.data.l[1] = ++m_state->pings; // the "time", which the answer repeats
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (m_state->TakeEvents(&event.xclient)) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched{ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(std::min<long>(left.count(), 100)));
    }
}
