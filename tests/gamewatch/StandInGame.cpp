// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the game in tests: reads the profile named by its argument
// when it starts, says "ready", and when its standard input closes writes its
// copy back over the profile, as the game does when it quits, with one
// setting changed the way a player changes it in the game's menus.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    std::ifstream in(argv[1], std::ios::binary);
    std::string profile((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::cout << "ready" << std::endl;
    while (std::cin.get() != std::char_traits<char>::eof()) {
    }
    if (const auto team = profile.find("Team=255"); team != std::string::npos)
        profile.replace(team, 8, "Team=1");
    std::ofstream(argv[1], std::ios::binary | std::ios::trunc) << profile;
    return 0;
}
