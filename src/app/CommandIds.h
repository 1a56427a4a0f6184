#pragma once

namespace tessmark::command_id {

// The ids the menu actions carry; the command table dispatches on them. Those of the operations
// are in their rows.
inline constexpr int New = 32771;
inline constexpr int ImportClipboard = 32773;
inline constexpr int ExportClipboard = 32775;
inline constexpr int ExportJpeg = 32794;
inline constexpr int Exit = 32776;
inline constexpr int AboutBox = 32798;
inline constexpr int AboutProgram = 16;
inline constexpr int Undo = 32805;
inline constexpr int ZoomOut = 32811;
inline constexpr int ZoomIn = 32812;
inline constexpr int ZoomPixel = 32813;
inline constexpr int Configuration = 32809;
inline constexpr int NoBlendColor = 32807;
inline constexpr int BlendColor = 32806;
inline constexpr int Palette = 32787;
inline constexpr int Mixage = 32803;
inline constexpr int Preview = 32819;
inline constexpr int PartImport = 32791;
inline constexpr int PartExport = 32792;
inline constexpr int PartFilter = 32793;
inline constexpr int LoadConfiguration = 32799;
inline constexpr int SaveConfiguration = 32800;
// Commands of our own, after the original ones.
inline constexpr int ImportPictureFile = 32830;
inline constexpr int ExportPng = 32831;
inline constexpr int ExportRecipe = 32832;
inline constexpr int ExportTextureSet = 32833;
inline constexpr int Sessions = 32834;

}  // namespace tessmark::command_id
