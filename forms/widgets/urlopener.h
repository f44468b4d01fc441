#pragma once
// How a window asks the desktop to open a link (the mail program for a
// "mailto:" link). The program passes DesktopUrlOpener; tests pass a
// recorder.

class QUrl;

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the desktop could not open the link.
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};
