// The programs' artwork as whole image files linked into the program: the two window icons
// (48 x 48, 32 bits per pixel), the calculator's default photo, its five flash pictures and
// the maker's three step illustrations. Redraw them with assets/draw/draw_assets.py.
#pragma once

#include "common/text.h"

COMMON_DECLARE_EMBEDDED(asset_calculator_icon);
COMMON_DECLARE_EMBEDDED(asset_maker_icon);
COMMON_DECLARE_EMBEDDED(asset_default_photo);
COMMON_DECLARE_EMBEDDED(asset_flash_angel);
COMMON_DECLARE_EMBEDDED(asset_flash_fireworks);
COMMON_DECLARE_EMBEDDED(asset_flash_lips);
COMMON_DECLARE_EMBEDDED(asset_flash_lollipop);
COMMON_DECLARE_EMBEDDED(asset_flash_duck);
COMMON_DECLARE_EMBEDDED(asset_step1_welcome);
COMMON_DECLARE_EMBEDDED(asset_step2_clock);
COMMON_DECLARE_EMBEDDED(asset_step3_photo);

namespace assets {

// Icon files (.ico) for the windows and the .exe files.
inline constexpr common::EmbeddedBytes kCalculatorIcon = COMMON_EMBEDDED(asset_calculator_icon);
inline constexpr common::EmbeddedBytes kMakerIcon = COMMON_EMBEDDED(asset_maker_icon);

// JPEG pictures.
inline constexpr common::EmbeddedBytes kDefaultPhoto = COMMON_EMBEDDED(asset_default_photo);
inline constexpr common::EmbeddedBytes kFlashAngel = COMMON_EMBEDDED(asset_flash_angel);
inline constexpr common::EmbeddedBytes kFlashFireworks = COMMON_EMBEDDED(asset_flash_fireworks);
inline constexpr common::EmbeddedBytes kFlashLips = COMMON_EMBEDDED(asset_flash_lips);
inline constexpr common::EmbeddedBytes kFlashLollipop = COMMON_EMBEDDED(asset_flash_lollipop);
inline constexpr common::EmbeddedBytes kFlashDuck = COMMON_EMBEDDED(asset_flash_duck);
inline constexpr common::EmbeddedBytes kStep1Welcome = COMMON_EMBEDDED(asset_step1_welcome);
inline constexpr common::EmbeddedBytes kStep2Clock = COMMON_EMBEDDED(asset_step2_clock);
inline constexpr common::EmbeddedBytes kStep3Photo = COMMON_EMBEDDED(asset_step3_photo);

}  // namespace assets
