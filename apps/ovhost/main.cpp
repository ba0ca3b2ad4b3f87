#include <iostream>
int main() { std::cout << "ovhost\n"; }
