#pragma once

#include <windows.h>

#include <utility>

// Sole owner of a GDI object that the program created (a brush, a font); deleted once.
class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(HGDIOBJ object) : object_(object) {}
    ~UniqueGdiObject() {
        if (object_) DeleteObject(object_);
    }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept
        : object_(std::exchange(other.object_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_ = nullptr;
};

// A window's DC for painting, from BeginPaint to EndPaint.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintContext() { EndPaint(window_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// A DC from GetDC or GetWindowDC, released with ReleaseDC.
class WindowDc {
public:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back at the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
