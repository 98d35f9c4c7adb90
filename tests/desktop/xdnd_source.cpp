#include "xdnd_source.h"

#include <X11/Xatom.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

namespace desktop_test {
namespace {

constexpr long kProtocolVersion = 5;

Atom Named(Display* x, const char* name)
{
    return XInternAtom(x, name, False);
}

void Send(Display* x, Window to, const char* type, const std::array<long, 5>& data)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = x;
    event.xclient.window = to;
    event.xclient.message_type = Named(x, type);
    event.xclient.format = 32;
    for (std::size_t n = 0; n < data.size(); ++n)
        event.xclient.data.l[n] = data[n];
    XSendEvent(x, to, False, NoEventMask, &event);
    XFlush(x);
}

// "file://" and the absolute path, every byte outside the plain ones escaped.
std::string UriList(const std::vector<std::filesystem::path>& files)
{
    std::string list;
    for (const std::filesystem::path& file : files) {
        list += "file://";
        for (const unsigned char c : std::filesystem::absolute(file).string()) {
            if (std::isalnum(c) || std::string_view("/-._~").find(static_cast<char>(c)) != std::string_view::npos) {
                list += static_cast<char>(c);
            } else {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", c);
                list += escaped;
            }
        }
        list += "\r\n";
    }
    return list;
}

// Hands the list to the window that asked for the selection.
void AnswerRequest(Display* x, const XSelectionRequestEvent& request, Atom uriList, const std::string& list)
{
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = x;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = None;
    if (request.target == uriList && request.property != None) {
        XChangeProperty(x, request.requestor, request.property, uriList, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(list.data()), static_cast<int>(list.size()));
        reply.xselection.property = request.property;
    }
    XSendEvent(x, request.requestor, False, NoEventMask, &reply);
    XFlush(x);
}

}  // namespace

bool TakesDrops(Display* x, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(x, window, Named(x, "XdndAware"), 0, 1, False, XA_ATOM, &type, &format,
                                          &count, &after, &data);
    const bool aware = status == Success && type == XA_ATOM && count == 1;
    if (data != nullptr)
        XFree(data);
    return aware;
}

bool DropFiles(Display* x, Window target, int rootX, int rootY, const std::vector<std::filesystem::path>& files,
               std::chrono::milliseconds timeout)
{
    const Atom uriList = Named(x, "text/uri-list");
    const std::string list = UriList(files);
    const Window source = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(x, Named(x, "XdndSelection"), source, CurrentTime);
    const long from = static_cast<long>(source);
    Send(x, target, "XdndEnter", {from, kProtocolVersion << 24, static_cast<long>(uriList), 0, 0});
    Send(x, target, "XdndPosition",
         {from, 0, (static_cast<long>(rootX) << 16) | rootY, CurrentTime,
          static_cast<long>(Named(x, "XdndActionCopy"))});

    bool finished = false;
    bool refused = false;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!finished && !refused && std::chrono::steady_clock::now() < deadline) {
        if (XPending(x) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        XEvent event;
        XNextEvent(x, &event);
        if (event.type == SelectionRequest) {
            AnswerRequest(x, event.xselectionrequest, uriList, list);
        } else if (event.type == ClientMessage && event.xclient.window == source) {
            const Atom type = event.xclient.message_type;
            if (type == Named(x, "XdndStatus")) {
                if ((event.xclient.data.l[1] & 1) != 0)
                    Send(x, target, "XdndDrop", {from, 0, CurrentTime, 0, 0});
                else
                    refused = true;
            } else if (type == Named(x, "XdndFinished")) {
                finished = true;
            }
        }
    }
    if (!finished)
        Send(x, target, "XdndLeave", {from, 0, 0, 0, 0});
    XDestroyWindow(x, source);
    XFlush(x);
    return finished;
}

}  // namespace desktop_test
