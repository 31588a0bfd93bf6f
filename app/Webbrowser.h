#pragma once
// Whether the desktop shows a web page in a web browser: its default
// program for HTML, as the freedesktop.org files name it (mimeapps.list,
// then the desktop's cache), is one whose desktop entry says it is a web
// browser. Read from those few files, so it never waits on another program.
// False where no default is named or the default is anything else (a text
// editor would show the page's raw HTML).
bool desktopHasWebBrowser();
