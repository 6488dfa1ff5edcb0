#pragma once

// A point or direction in the plane; tilings work in screen pixels with y pointing down.
struct Vec2 {
    double x = 0;
    double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator-(Vec2 a) { return {-a.x, -a.y}; }
inline Vec2 operator*(Vec2 a, double k) { return {a.x * k, a.y * k}; }
inline Vec2 operator*(double k, Vec2 a) { return {a.x * k, a.y * k}; }
inline double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline Vec2 Lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }
