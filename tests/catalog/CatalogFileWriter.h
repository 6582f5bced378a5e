// Builds catalogue files byte by byte, little-endian, for the loader tests.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class Bytes {
public:
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }
    Bytes& u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) {
            m_data.push_back(static_cast<char>((v >> shift) & 0xFF));
        }
        return *this;
    }
    Bytes& ch(char c) {
        m_data.push_back(c);
        return *this;
    }
    // A text field of exactly `width` bytes: the text, then zero bytes.
    Bytes& text(std::string_view s, std::size_t width) {
        std::string field(width, '\0');
        std::memcpy(field.data(), s.data(), std::min(s.size(), width));
        m_data += field;
        return *this;
    }
    Bytes& append(const Bytes& other) {
        m_data += other.m_data;
        return *this;
    }
    const std::string& str() const { return m_data; }
    std::size_t size() const { return m_data.size(); }

private:
    std::string m_data;
};

inline Bytes StarBytes(char spectral, std::string_view designation, std::int32_t hr, float ra,
                       float dec, float mag) {
    return Bytes().ch(spectral).text(designation, 11).i32(hr).f32(ra).f32(dec).f32(mag);
}

inline Bytes NameBytes(std::int32_t hr, float ra, float dec, std::int32_t offset, float mag,
                       std::string_view name) {
    return Bytes().i32(hr).f32(ra).f32(dec).i32(offset).f32(mag).text(name, 20);
}

inline Bytes FigureBytes(float ra, float dec, std::int32_t flag) {
    return Bytes().f32(ra).f32(dec).i32(flag);
}

inline Bytes DeepSkyBytes(std::int32_t number, char type, float ra, float dec, float mag,
                          std::int32_t dx, std::int32_t dy, std::string_view name) {
    return Bytes()
        .i32(number)
        .ch(type)
        .ch('\x7f')
        .ch('\x7f')
        .ch('\x7f')
        .f32(ra)
        .f32(dec)
        .f32(mag)
        .i32(dx)
        .i32(dy)
        .text(name, 20);
}

inline Bytes PointBytes(float ra, float dec) {
    return Bytes().f32(ra).f32(dec);
}

inline Bytes LocationBytes(std::string_view name, float lat, float lon, float zone) {
    return Bytes().text(name, 32).f32(lat).f32(lon).f32(zone);
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
