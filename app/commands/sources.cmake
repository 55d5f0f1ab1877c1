# Sheet operations and item commands: the portable logic behind the sheet
# popup menu, the reorder dialog and the item popup menu.
target_sources(zelk_app PRIVATE
  commands/SheetOperations.cpp
  commands/SortModel.cpp
  commands/ItemCommands.cpp
)
