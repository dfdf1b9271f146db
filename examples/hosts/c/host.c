/* A host program in C: the scripted user answers two dialogs (the host's own
 * test), or, with --display, a person does.
 *
 *   cc host.c $(pkg-config --cflags --libs topodlg) -o host
 *   ./host [--display] [LOG]
 */
#include <stdio.h>
#include <string.h>

#include <topodlg/topodlg.h>

int main(int argc, char** argv) {
  int display = argc > 1 && strcmp(argv[1], "--display") == 0;
  const char* log = argc > 1 + display ? argv[1 + display] : NULL;
  /* Presses Enter in each dialog: the screen size, then the print settings. */
  if ((display ? TopoDlgUseDisplay() : TopoDlgUseScript("enter\nenter\n", log)) != 0) {
    fprintf(stderr, "host: %s\n", TopoDlgLastError());
    return 1;
  }

  int size = OnDlgGraphicSize(100);
  if (*TopoDlgLastError()) {
    fprintf(stderr, "host: OnDlgGraphicSize failed: %s\n", TopoDlgLastError());
    return 1;
  }
  printf("OnDlgGraphicSize: %d\n", size);

  /* The result is the library's: valid until the next entry function returns. */
  const char* print = OnDlgPrintSet(0, 1, 100, 0, 10, "OUT", "ON");
  if (*TopoDlgLastError()) {
    fprintf(stderr, "host: OnDlgPrintSet failed: %s\n", TopoDlgLastError());
    return 1;
  }
  printf("OnDlgPrintSet: %s\n", print);
  return 0;
}
