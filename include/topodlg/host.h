/* TopoDlg: what a host sets up around the entry functions (topodlg.h includes
 * this file). Who answers the dialogs, where the drive letters lead, the time
 * the library sees, device contexts to draw into, and why a call failed.
 *
 * Everything here is kept by the library until changed, for the calls that
 * follow. Call these functions and the entry functions from one thread at a
 * time (a modal dialog runs on the calling thread).
 */
#ifndef TOPODLG_HOST_H
#define TOPODLG_HOST_H

#ifndef TOPODLG_API
#if defined(__GNUC__)
#define TOPODLG_API __attribute__((visibility("default")))
#else
#define TOPODLG_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A device context that records what an entry function draws into it. */
typedef struct TopoDlgDC TopoDlgDC;

/* The scripted user answers the dialogs of the calls that follow, action by
 * action from `script` (UTF-8 text, the actions of `topodlg --script`); one
 * script serves all those calls in turn. `logPath` names the file that gets the
 * event log (replaced), NULL for no log. Returns 0; -1 when the script does not
 * parse, -2 when the log cannot be written (TopoDlgLastError says why; the
 * previous choice then stays). */
TOPODLG_API int TopoDlgUseScript(const char* script, const char* logPath);

/* A person answers the dialogs of the calls that follow, in windows on the
 * display. Loads the graphical backend (and its toolkit) on first use. Returns 0;
 * -1 when there is no display or no graphical backend (TopoDlgLastError says
 * why; the previous choice then stays). */
TOPODLG_API int TopoDlgUseDisplay(void);

/* Nobody answers: every dialog of the calls that follow cancels at once. This
 * is the choice before any other is made. */
TOPODLG_API void TopoDlgUseNobody(void);

/* Drive `letter` ('A'-'Z' or 'a'-'z') of the library's paths stands for the
 * host folder `folder` (a relative one is taken from the current directory);
 * NULL or "" removes the mapping. Z: stands for "/" unless mapped otherwise.
 * Returns 0, -1 for a bad letter. */
TOPODLG_API int TopoDlgMapDrive(int letter, const char* folder);

/* The library sees `localTime` ("YYYY-MM-DD HH:MM:SS") as the time now; NULL
 * returns it to the system clock. Returns 0, -1 when the text is no such time. */
TOPODLG_API int TopoDlgSetNow(const char* localTime);

/* Device contexts for the entry function that draws: new ones record nothing.
 * TopoDlgDC_Ops gives what was drawn so far as the JSON array of drawing
 * operations of the scripted user's log ("[]" when nothing); the text stays
 * valid until the context is drawn into again or freed. Free with
 * TopoDlgDC_Free (NULL is allowed). */
TOPODLG_API TopoDlgDC* TopoDlgDC_New(void);
TOPODLG_API void TopoDlgDC_Free(TopoDlgDC* dc);
TOPODLG_API const char* TopoDlgDC_Ops(TopoDlgDC* dc);

/* "" when the last entry function that returned on this thread finished (the
 * user may have cancelled); otherwise why it failed (a script that did not fit
 * the dialog, say "line 3: ..."), UTF-8. Also set by a host function above that
 * fails. Valid until the next call of an entry or host function on the thread. */
TOPODLG_API const char* TopoDlgLastError(void);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* TOPODLG_HOST_H */
