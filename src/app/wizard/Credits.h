#pragma once
// Who made the texture and the setup, shown in the presentation and licence texts and used for mail.
namespace app {

inline constexpr char kAuthorName[] = "Jean-Marc Duval";
inline constexpr char kContactAddress[] = "pratilo@nuvra-soft.fr";
inline constexpr char kCopyrightYear[] = "2009";
inline constexpr char kSetupProgrammer[] = "Pierre Lemaire";

}  // namespace app
