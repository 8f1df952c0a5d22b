#pragma once

#include <QString>

#include <memory>

class SkinEngine;

/// Name by which the program asks for its skin component.
inline constexpr const char *SkinComponentName = "SkinCrafter.SCSkin";

/// Creates the component registered under name (letter case ignored); nullptr for any other name.
std::unique_ptr<SkinEngine> CreateSkinComponent(const QString &name);
