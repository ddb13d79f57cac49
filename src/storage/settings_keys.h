#pragma once

namespace glyph {

// Sections and keys of the settings store, application "Glyphmatic".
inline constexpr char kSectionOptions[] = "Options";
inline constexpr char kSectionNetworkGame[] = "NetworkGame";

inline constexpr char kKeyLanguage[] = "Language";
inline constexpr char kKeyStyle[] = "Style";
inline constexpr char kKeyAssociation[] = "Association";
inline constexpr char kKeyIsHost[] = "IsHost";
inline constexpr char kKeyRemoteIp[] = "RemoteIP";
inline constexpr char kKeyLastLocalIp[] = "LastLocalIP";
inline constexpr char kKeyPlayerName[] = "PlayerName";

}  // namespace glyph
