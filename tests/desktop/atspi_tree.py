"""Prints the editor's accessibility tree as AT-SPI gives it, one "role | name | states" line
for each node, with the states a screen reader tells (focused, selected); a table tells its size
there instead."""
import pyatspi

TOLD = ("focused", "selected")


def walk(node, out):
    states = [s.value_nick for s in node.getState().getStates() if s.value_nick in TOLD]
    told = ",".join(states)
    if node.getRoleName() == "table":
        table = node.queryTable()
        told = f"{table.nRows} rows, {table.nColumns} columns"
    out.append(f"{node.getRoleName()} | {node.name} | {told}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, out)


lines = []
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name.startswith("BoardSet Editor"):
        walk(application, lines)
print("\n".join(lines))
