// The tooth outline and the mesh figures: the messages they stop with.
#pragma once

#include <array>
#include <string_view>

namespace gp::msg {

// The tooth outline and the mesh picture, which can fail where the sheet's numbers
// still exist.
inline constexpr const char* kProfileToothCount = "齿数须为不小于3的整数，无法绘制齿形";
inline constexpr const char* kProfileTooManyTeeth = "齿数过多，无法绘制齿形";
inline constexpr const char* kRackRoundingTooLarge =
    "齿根圆角半径过大，齿条齿顶放不下，无法绘制齿形";
inline constexpr const char* kRackTooPointed =
    "齿条齿顶过尖（齿顶高系数或压力角过大），无法绘制齿形";
inline constexpr const char* kToothCutAway = "轮齿被根切切去，无法绘制齿形";
inline constexpr const char* kBadChordTolerance = "弦高公差须为正数";
inline constexpr const char* kNoContact = "两齿轮的齿顶圆未达到啮合线，没有啮合";
inline constexpr const char* kContactBeyondTangent =
    "啮合线段超出基圆切点（齿顶干涉），滑动率无法计算";
inline constexpr const char* kDxfNotAvailable = "此版本不支持 DXF 格式";

// Every message the outline and the mesh figures can stop with.
inline constexpr std::array<std::string_view, 8> kProfileStopMessages = {
    kProfileToothCount, kProfileTooManyTeeth, kRackRoundingTooLarge, kRackTooPointed, kToothCutAway,
    kBadChordTolerance, kNoContact,           kContactBeyondTangent};

}  // namespace gp::msg
