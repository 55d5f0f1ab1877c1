/* Drops one file on an X window as a file manager does, through the X
 * drag-and-drop protocol (XDND): announces a text/uri-list, moves over the
 * given root position, hands the list over when the target asks for it and
 * drops once the target accepts.
 *   zelk_xdnd_drop WINDOW X Y PATH
 * Exits 0 when the target finished the drop, 1 when it refused it or did not
 * answer in time, 2 on wrong arguments. */

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>

/* Long enough for a busy machine; the journey's own wait is longer. */
enum { kAnswerSeconds = 20, kVersion = 4 };

static Display* display;
static Window source, target;

static Atom AtomOf(const char* name) { return XInternAtom(display, name, False); }

/* "file://" and the path, every byte outside the unreserved ones encoded. */
static char* FileUri(const char* path) {
  static const char kHex[] = "0123456789ABCDEF";
  char* uri = malloc(strlen(path) * 3 + 16);
  char* end = uri + sprintf(uri, "file://");
  for (const unsigned char* at = (const unsigned char*)path; *at; ++at) {
    if ((*at >= 'a' && *at <= 'z') || (*at >= 'A' && *at <= 'Z') || (*at >= '0' && *at <= '9') ||
        strchr("/-._~", *at)) {
      *end++ = (char)*at;
    } else {
      *end++ = '%';
      *end++ = kHex[*at >> 4];
      *end++ = kHex[*at & 15];
    }
  }
  strcpy(end, "\r\n");
  return uri;
}

static void SendToTarget(const char* type, long l1, long l2, long l3, long l4) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.display = display;
  event.xclient.window = target;
  event.xclient.message_type = AtomOf(type);
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)source;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &event);
  XFlush(display);
}

/* Hands the list to whoever asks for it as text/uri-list. */
static void AnswerRequest(const XSelectionRequestEvent* request, const char* uri) {
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = display;
  reply.xselection.requestor = request->requestor;
  reply.xselection.selection = request->selection;
  reply.xselection.target = request->target;
  reply.xselection.time = request->time;
  reply.xselection.property = None;
  if (request->target == AtomOf("text/uri-list") && request->property != None) {
    XChangeProperty(display, request->requestor, request->property, request->target, 8,
                    PropModeReplace, (const unsigned char*)uri, (int)strlen(uri));
    reply.xselection.property = request->property;
  }
  XSendEvent(display, request->requestor, False, NoEventMask, &reply);
  XFlush(display);
}

/* The next event, or 0 once the answer time has passed. */
static int NextEvent(time_t deadline, XEvent* event) {
  while (!XPending(display)) {
    const time_t now = time(NULL);
    if (now >= deadline) return 0;
    fd_set connection;
    FD_ZERO(&connection);
    FD_SET(ConnectionNumber(display), &connection);
    struct timeval wait = {deadline - now, 0};
    select(ConnectionNumber(display) + 1, &connection, NULL, NULL, &wait);
  }
  XNextEvent(display, event);
  return 1;
}

int main(int argc, char** argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: zelk_xdnd_drop WINDOW X Y PATH\n");
    return 2;
  }
  display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "zelk_xdnd_drop: no display\n");
    return 1;
  }
  target = (Window)strtoul(argv[1], NULL, 0);
  const long position = (atol(argv[2]) << 16) | (atol(argv[3]) & 0xFFFF);
  char* uri = FileUri(argv[4]);
  source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, AtomOf("XdndSelection"), source, CurrentTime);

  SendToTarget("XdndEnter", (long)kVersion << 24, (long)AtomOf("text/uri-list"), None, None);
  SendToTarget("XdndPosition", 0, position, CurrentTime, (long)AtomOf("XdndActionCopy"));
  const time_t deadline = time(NULL) + kAnswerSeconds;
  int dropped = 0, finished = 0;
  XEvent event;
  while (!finished && NextEvent(deadline, &event)) {
    if (event.type == SelectionRequest) {
      AnswerRequest(&event.xselectionrequest, uri);
    } else if (event.type == ClientMessage && event.xclient.message_type == AtomOf("XdndStatus") &&
               !dropped) {
      if (!(event.xclient.data.l[1] & 1)) {
        fprintf(stderr, "zelk_xdnd_drop: the window refused the drop at %s,%s\n", argv[2], argv[3]);
        SendToTarget("XdndLeave", 0, 0, 0, 0);
        break;
      }
      SendToTarget("XdndDrop", 0, CurrentTime, 0, 0);
      dropped = 1;
    } else if (event.type == ClientMessage &&
               event.xclient.message_type == AtomOf("XdndFinished")) {
      finished = 1;
    }
  }
  if (!finished && dropped) fprintf(stderr, "zelk_xdnd_drop: the drop was not finished\n");
  if (!finished && !dropped) fprintf(stderr, "zelk_xdnd_drop: the window did not answer\n");
  free(uri);
  XDestroyWindow(display, source);
  XCloseDisplay(display);
  return finished ? 0 : 1;
}
