<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CKyAttributeDefinitionPE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
</context>
<context>
    <name>CKyBlockReferencePE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
</context>
<context>
    <name>CKyCirclePE</name>
    <message>
        <source>%1 sq. in. (%2 sq. ft.)</source>
        <translation>%1 sq. in. (%2 sq. ft.)</translation>
    </message>
</context>
<context>
    <name>CKyCommandScale</name>
    <message>
        <source>Value must be positive and nonzero.</source>
        <translation>Value must be positive and nonzero.</translation>
    </message>
</context>
<context>
    <name>CKyDimensionPE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Angular</source>
        <translation>Angular</translation>
    </message>
</context>
<context>
    <name>CKyDlgCloudSettings</name>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Elliptical</source>
        <translation>Elliptical</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>Freehand</translation>
    </message>
</context>
<context>
    <name>CKyHatchPE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
    <message>
        <source>Get additive area</source>
        <translation>Get additive area</translation>
    </message>
</context>
<context>
    <name>CKyMTextPE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
</context>
<context>
    <name>CKyPolylinePE</name>
    <message>
        <source>%1 sq. in. (%2 sq. ft.)</source>
        <translation>%1 sq. in. (%2 sq. ft.)</translation>
    </message>
</context>
<context>
    <name>CKyTextPE</name>
    <message>
        <source>Edit annotation scales</source>
        <translation>Edit annotation scales</translation>
    </message>
</context>
<context>
    <name>CKyVariant</name>
    <message>
        <source>Varies</source>
        <translation>Varies</translation>
    </message>
</context>
<context>
    <name>entity_types</name>
    <message>
        <source>Arc</source>
        <translation>Arc</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>PolyLine</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Entity</translation>
    </message>
    <message>
        <source>Simplenote</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>2D PolyLine</source>
        <translation>2D Polyline</translation>
    </message>
    <message>
        <source>3D PolyLine</source>
        <translation>3D Polyline</translation>
    </message>
    <message>
        <source>ILine</source>
        <translation>Construction line</translation>
    </message>
    <message>
        <source>RichLine</source>
        <translation>Multiline</translation>
    </message>
    <message>
        <source>ArcAlignedText</source>
        <translation>Arc-aligned text</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Text style</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Multiline text</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Ray</source>
        <translation>Ray</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>3D face</translation>
    </message>
    <message>
        <source>Spline</source>
        <translation>Spline</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Helix</source>
        <translation>Helix</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Hatch</source>
        <translation>Hatch</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>AlignedDimension</source>
        <translation>AlignedDimension</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>RotatedDimension</source>
        <translation>RotatedDimension</translation>
    </message>
    <message>
        <source>Attribute Definition</source>
        <translation>Attribute Definition</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>BlockN</source>
        <translation>BlockN</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Invalid input</translation>
    </message>
    <message>
        <source>Degenerate geometry</source>
        <translation>Degenerate geometry</translation>
    </message>
    <message>
        <source>Invalid input.</source>
        <translation>Invalid input.</translation>
    </message>
    <message>
        <source>Invalid value for property Width factor</source>
        <translation>Invalid value for property Width factor</translation>
    </message>
    <message>
        <source>Hatch boundary relation removed.</source>
        <translation>Hatch boundary relation removed.</translation>
    </message>
    <message>
        <source>Value must be positive</source>
        <translation>Value must be positive</translation>
    </message>
    <message>
        <source>Decimal separator must be one character</source>
        <translation>Decimal separator must be one character</translation>
    </message>
    <message>
        <source>Value must be non-negative</source>
        <translation>Value must be non-negative</translation>
    </message>
    <message>
        <source>Value must be non-zero</source>
        <translation>Value must be non-zero</translation>
    </message>
    <message>
        <source>Value must be positive and non-zero.</source>
        <translation>Value must be positive and non-zero.</translation>
    </message>
    <message>
        <source>Invalid value for property Columns</source>
        <translation>Invalid value for property Columns</translation>
    </message>
    <message>
        <source>Invalid value for property Rows</source>
        <translation>Invalid value for property Rows</translation>
    </message>
</context>
<context>
    <name>info_items</name>
    <message>
        <source>Center point</source>
        <translation>Center point</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Extrusion direction relative to UCS</source>
        <translation>Extrusion direction relative to UCS</translation>
    </message>
    <message>
        <source>Start point</source>
        <translation>Start point</translation>
    </message>
    <message>
        <source>End point</source>
        <translation>End point</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Total angle</source>
        <translation>Total angle</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Start angle</translation>
    </message>
    <message>
        <source>End angle</source>
        <translation>End angle</translation>
    </message>
    <message>
        <source>Center  point</source>
        <translation>Center point</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Circumference</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>from point</source>
        <translation>from point</translation>
    </message>
    <message>
        <source>to point</source>
        <translation>to point</translation>
    </message>
    <message>
        <source>Length in CCS</source>
        <translation>Length in CCS</translation>
    </message>
    <message>
        <source>Angle in XY Plane</source>
        <translation>Angle in XY Plane</translation>
    </message>
    <message>
        <source>Delta X</source>
        <translation>Delta X</translation>
    </message>
    <message>
        <source>Delta Y</source>
        <translation>Delta Y</translation>
    </message>
    <message>
        <source>Delta Z</source>
        <translation>Delta Z</translation>
    </message>
    <message>
        <source>PolyLine Flags</source>
        <translation>Polyline flags</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>Location %1</source>
        <translation>Location %1</translation>
    </message>
    <message>
        <source>Annotative</source>
        <translation>Annotative</translation>
    </message>
    <message>
        <source>Annotative Scale</source>
        <translation>Annotative Scale</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Sheet text height</source>
        <translation>Sheet text height</translation>
    </message>
    <message>
        <source>Model text height</source>
        <translation>Model text height</translation>
    </message>
    <message>
        <source>Text Height</source>
        <translation>Text Height</translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Line Spacing</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Attachment</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Typeface</translation>
    </message>
    <message>
        <source>Font file</source>
        <translation>Font file</translation>
    </message>
    <message>
        <source>height</source>
        <translation>height</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>rotation angle</source>
        <translation>rotation angle</translation>
    </message>
    <message>
        <source>width scale</source>
        <translation>width scale</translation>
    </message>
    <message>
        <source>obliquing angle</source>
        <translation>obliquing angle</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Major Axis</source>
        <translation>Major Axis</translation>
    </message>
    <message>
        <source>Minor Axis</source>
        <translation>Minor Axis</translation>
    </message>
    <message>
        <source>Radius Ratio</source>
        <translation>Radius Ratio</translation>
    </message>
    <message>
        <source>Start Angle</source>
        <translation>Start Angle</translation>
    </message>
    <message>
        <source>End Angle</source>
        <translation>End Angle</translation>
    </message>
    <message>
        <source>base point</source>
        <translation>base point</translation>
    </message>
    <message>
        <source>unit direction</source>
        <translation>unit direction</translation>
    </message>
    <message>
        <source>Base point</source>
        <translation>Base point</translation>
    </message>
    <message>
        <source>Unit direction</source>
        <translation>Unit direction</translation>
    </message>
    <message>
        <source>Angle of X Axis</source>
        <translation>Angle of X Axis</translation>
    </message>
    <message>
        <source>first point</source>
        <translation>first point</translation>
    </message>
    <message>
        <source>second point</source>
        <translation>second point</translation>
    </message>
    <message>
        <source>third point</source>
        <translation>third point</translation>
    </message>
    <message>
        <source>forth point</source>
        <translation>fourth point</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Number of konts</source>
        <translation>Number of knots</translation>
    </message>
    <message>
        <source>Knot value</source>
        <translation>Knot value</translation>
    </message>
    <message>
        <source>Knot tolerance</source>
        <translation>Knot tolerance</translation>
    </message>
    <message>
        <source>Number of control points</source>
        <translation>Number of control points</translation>
    </message>
    <message>
        <source>Control point</source>
        <translation>Control point</translation>
    </message>
    <message>
        <source>Control Tolerance</source>
        <translation>Control Tolerance</translation>
    </message>
    <message>
        <source>Number of Fit points</source>
        <translation>Number of Fit points</translation>
    </message>
    <message>
        <source>Fit point</source>
        <translation>Fit point</translation>
    </message>
    <message>
        <source>Fit Tolerance</source>
        <translation>Fit Tolerance</translation>
    </message>
    <message>
        <source>starting width</source>
        <translation>starting width</translation>
    </message>
    <message>
        <source>ending width</source>
        <translation>ending width</translation>
    </message>
    <message>
        <source>Handle</source>
        <translation>Handle</translation>
    </message>
    <message>
        <source>at point</source>
        <translation>at point</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>Constrain</source>
        <translation>Constrain</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Revolutions</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Base radius</source>
        <translation>Base radius</translation>
    </message>
    <message>
        <source>Top radius</source>
        <translation>Top radius</translation>
    </message>
    <message>
        <source>Helix slope</source>
        <translation>Helix slope</translation>
    </message>
    <message>
        <source>Total length</source>
        <translation>Total length</translation>
    </message>
    <message>
        <source>Justification</source>
        <translation>Justification</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Vertex %1</source>
        <translation>Vertex %1</translation>
    </message>
    <message>
        <source>origin point</source>
        <translation>origin point</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>Hatch pattern</source>
        <translation>Hatch pattern</translation>
    </message>
    <message>
        <source>Hatch scale</source>
        <translation>Hatch scale</translation>
    </message>
    <message>
        <source>Hatch angle</source>
        <translation>Hatch angle</translation>
    </message>
    <message>
        <source>Related</source>
        <translation>Related</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>1st extension  defining point</source>
        <translation>1st extension  defining point</translation>
    </message>
    <message>
        <source>2nd extension  defining point</source>
        <translation>2nd extension  defining point</translation>
    </message>
    <message>
        <source>Dimension Line defining point</source>
        <translation>Dimension Line defining point</translation>
    </message>
    <message>
        <source>related</source>
        <translation>related</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>default text position</source>
        <translation>default text position</translation>
    </message>
    <message>
        <source>default text</source>
        <translation>default text</translation>
    </message>
    <message>
        <source>DimensionStyle</source>
        <translation>DimensionStyle</translation>
    </message>
    <message>
        <source>Dimension style overrides</source>
        <translation>Dimension style overrides</translation>
    </message>
    <message>
        <source>1st extension defining point</source>
        <translation>1st extension defining point</translation>
    </message>
    <message>
        <source>2st extension defining point</source>
        <translation>2st extension defining point</translation>
    </message>
    <message>
        <source>defining point</source>
        <translation>defining point</translation>
    </message>
    <message>
        <source>prompt</source>
        <translation>prompt</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>tag</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flags</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>X scale</source>
        <translation>X scale</translation>
    </message>
    <message>
        <source>Y scale</source>
        <translation>Y scale</translation>
    </message>
    <message>
        <source>Z scale</source>
        <translation>Z scale</translation>
    </message>
    <message>
        <source>Cloud Shape</source>
        <translation>Cloud Shape</translation>
    </message>
    <message>
        <source>Cloud Radius</source>
        <translation>Cloud Radius</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Rotation angle</translation>
    </message>
    <message>
        <source>Custom Properties</source>
        <translation>Custom Properties</translation>
    </message>
</context>
<context>
    <name>info_values</name>
    <message>
        <source>Closed</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ByLayer</source>
        <translation>ByLayer</translation>
    </message>
    <message>
        <source>ByBlock</source>
        <translation>ByBlock</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Model space</source>
        <translation>Model space</translation>
    </message>
    <message>
        <source>Paper space</source>
        <translation>Paper space</translation>
    </message>
    <message>
        <source>TopLeft</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>TopCenter</source>
        <translation>Top center</translation>
    </message>
    <message>
        <source>TopRight</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>MiddleLeft</source>
        <translation>Middle left</translation>
    </message>
    <message>
        <source>MiddleCenter</source>
        <translation>Middle center</translation>
    </message>
    <message>
        <source>MiddleRight</source>
        <translation>Middle right</translation>
    </message>
    <message>
        <source>BottomLeft</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>BottomCenter</source>
        <translation>Bottom center</translation>
    </message>
    <message>
        <source>BottomRight</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>Left to Right</source>
        <translation>Left to Right</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>Right to Left</translation>
    </message>
    <message>
        <source>Top to Bottom</source>
        <translation>Top to Bottom</translation>
    </message>
    <message>
        <source>Bottom to Top</source>
        <translation>Bottom to Top</translation>
    </message>
    <message>
        <source>ByStyle</source>
        <translation>ByStyle</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Closed, </source>
        <translation>Closed, </translation>
    </message>
    <message>
        <source>Open, </source>
        <translation>Open, </translation>
    </message>
    <message>
        <source>Periodic, </source>
        <translation>Periodic, </translation>
    </message>
    <message>
        <source>Non-Periodic, </source>
        <translation>Non-Periodic, </translation>
    </message>
    <message>
        <source>Rational, </source>
        <translation>Rational, </translation>
    </message>
    <message>
        <source>Non-Rational, </source>
        <translation>Non-Rational, </translation>
    </message>
    <message>
        <source>Planar, </source>
        <translation>Planar, </translation>
    </message>
    <message>
        <source>Non-Planar, </source>
        <translation>Non-Planar, </translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Non-Linear</source>
        <translation>Non-Linear</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>aligned</source>
        <translation>aligned</translation>
    </message>
    <message>
        <source>rotated</source>
        <translation>rotated</translation>
    </message>
    <message>
        <source>invisible </source>
        <translation>invisible </translation>
    </message>
    <message>
        <source>constant </source>
        <translation>constant </translation>
    </message>
    <message>
        <source>verify </source>
        <translation>verify </translation>
    </message>
    <message>
        <source>preset</source>
        <translation>preset</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
</context>
<context>
    <name>property_descriptions</name>
    <message>
        <source>Specifies the BlockAttribute value.</source>
        <translation>Specifies the BlockAttribute value.</translation>
    </message>
</context>
<context>
    <name>property_groups</name>
    <message>
        <source>Geometry</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Data Points</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Lines &amp;&amp; Arrows</source>
        <translation>Lines &amp;&amp; Arrows</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Primary UnitSystem</source>
        <translation>Primary UnitSystem</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Alternate UnitSystem</source>
        <translation>Alternate UnitSystem</translation>
    </message>
    <message>
        <source>Cloud Settings</source>
        <translation>Cloud Settings</translation>
    </message>
    <message>
        <source>BlockAttributes</source>
        <translation>BlockAttributes</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>property_types</name>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Start X</source>
        <translation>Start X</translation>
    </message>
    <message>
        <source>Start Y</source>
        <translation>Start Y</translation>
    </message>
    <message>
        <source>Start Z</source>
        <translation>Start Z</translation>
    </message>
    <message>
        <source>Center X</source>
        <translation>Center X</translation>
    </message>
    <message>
        <source>Center Y</source>
        <translation>Center Y</translation>
    </message>
    <message>
        <source>Center Z</source>
        <translation>Center Z</translation>
    </message>
    <message>
        <source>End X</source>
        <translation>End X</translation>
    </message>
    <message>
        <source>End Y</source>
        <translation>End Y</translation>
    </message>
    <message>
        <source>End Z</source>
        <translation>End Z</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Start Angle</source>
        <translation>Start Angle</translation>
    </message>
    <message>
        <source>End Angle</source>
        <translation>End Angle</translation>
    </message>
    <message>
        <source>Total Angle</source>
        <translation>Total Angle</translation>
    </message>
    <message>
        <source>Arc Length</source>
        <translation>Arc Length</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Normal X</source>
        <translation>Normal X</translation>
    </message>
    <message>
        <source>Normal Y</source>
        <translation>Normal Y</translation>
    </message>
    <message>
        <source>Normal Z</source>
        <translation>Normal Z</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Circumference</translation>
    </message>
    <message>
        <source>Delta X</source>
        <translation>Delta X</translation>
    </message>
    <message>
        <source>Delta Y</source>
        <translation>Delta Y</translation>
    </message>
    <message>
        <source>Delta Z</source>
        <translation>Delta Z</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Vertex X</source>
        <translation>Vertex X</translation>
    </message>
    <message>
        <source>Vertex Y</source>
        <translation>Vertex Y</translation>
    </message>
    <message>
        <source>Start segment width</source>
        <translation>Start segment width</translation>
    </message>
    <message>
        <source>End segment width</source>
        <translation>End segment width</translation>
    </message>
    <message>
        <source>Global width</source>
        <translation>Global width</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>LineStyleGen</source>
        <translation>Linetype generation</translation>
    </message>
    <message>
        <source>LineColor</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>LineStyle</source>
        <translation>Linetype</translation>
    </message>
    <message>
        <source>LineScale</source>
        <translation>Linetype scale</translation>
    </message>
    <message>
        <source>PrintStyle</source>
        <translation>Plot style</translation>
    </message>
    <message>
        <source>LineWeight</source>
        <translation>Lineweight</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>LineStyle scale</source>
        <translation>Linetype scale</translation>
    </message>
    <message>
        <source>UpsideDown</source>
        <translation>Upside down</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>BigFont</source>
        <translation>Big font</translation>
    </message>
    <message>
        <source>RLineStyle</source>
        <translation>Multiline style</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Text Height</source>
        <translation>Text Height</translation>
    </message>
    <message>
        <source>Annotative</source>
        <translation>Annotative</translation>
    </message>
    <message>
        <source>Annotative Scale</source>
        <translation>Annotative Scale</translation>
    </message>
    <message>
        <source>Model text height</source>
        <translation>Model text height</translation>
    </message>
    <message>
        <source>Sheet text height</source>
        <translation>Sheet text height</translation>
    </message>
    <message>
        <source>Model defined width</source>
        <translation>Model defined width</translation>
    </message>
    <message>
        <source>Sheet defined width</source>
        <translation>Sheet defined width</translation>
    </message>
    <message>
        <source>Match orientation to sheet</source>
        <translation>Match orientation to sheet</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justify</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Background mask</source>
        <translation>Background mask</translation>
    </message>
    <message>
        <source>Line space factor</source>
        <translation>Line space factor</translation>
    </message>
    <message>
        <source>Line space distance</source>
        <translation>Line space distance</translation>
    </message>
    <message>
        <source>Line space style</source>
        <translation>Line space style</translation>
    </message>
    <message>
        <source>Position X</source>
        <translation>Position X</translation>
    </message>
    <message>
        <source>Position Y</source>
        <translation>Position Y</translation>
    </message>
    <message>
        <source>Position Z</source>
        <translation>Position Z</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Text alignment X</source>
        <translation>Text alignment X</translation>
    </message>
    <message>
        <source>Text alignment Y</source>
        <translation>Text alignment Y</translation>
    </message>
    <message>
        <source>Text alignment Z</source>
        <translation>Text alignment Z</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Major radius</source>
        <translation>Major radius</translation>
    </message>
    <message>
        <source>Minor radius</source>
        <translation>Minor radius</translation>
    </message>
    <message>
        <source>Radius ratio</source>
        <translation>Radius ratio</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Start angle</translation>
    </message>
    <message>
        <source>End angle</source>
        <translation>End angle</translation>
    </message>
    <message>
        <source>Major axis vector X</source>
        <translation>Major axis vector X</translation>
    </message>
    <message>
        <source>Major axis vector Y</source>
        <translation>Major axis vector Y</translation>
    </message>
    <message>
        <source>Major axis vector Z</source>
        <translation>Major axis vector Z</translation>
    </message>
    <message>
        <source>Minor axis vector X</source>
        <translation>Minor axis vector X</translation>
    </message>
    <message>
        <source>Minor axis vector Y</source>
        <translation>Minor axis vector Y</translation>
    </message>
    <message>
        <source>Minor axis vector Z</source>
        <translation>Minor axis vector Z</translation>
    </message>
    <message>
        <source>Base point X</source>
        <translation>Base point X</translation>
    </message>
    <message>
        <source>Base point Y</source>
        <translation>Base point Y</translation>
    </message>
    <message>
        <source>Base point Z</source>
        <translation>Base point Z</translation>
    </message>
    <message>
        <source>Second point X</source>
        <translation>Second point X</translation>
    </message>
    <message>
        <source>Second point Y</source>
        <translation>Second point Y</translation>
    </message>
    <message>
        <source>Second point Z</source>
        <translation>Second point Z</translation>
    </message>
    <message>
        <source>Direction vector X</source>
        <translation>Direction vector X</translation>
    </message>
    <message>
        <source>Direction vector Y</source>
        <translation>Direction vector Y</translation>
    </message>
    <message>
        <source>Direction vector Z</source>
        <translation>Direction vector Z</translation>
    </message>
    <message>
        <source>Vertex Z</source>
        <translation>Vertex Z</translation>
    </message>
    <message>
        <source>Edge 1</source>
        <translation>Edge 1</translation>
    </message>
    <message>
        <source>Edge 2</source>
        <translation>Edge 2</translation>
    </message>
    <message>
        <source>Edge 3</source>
        <translation>Edge 3</translation>
    </message>
    <message>
        <source>Edge 4</source>
        <translation>Edge 4</translation>
    </message>
    <message>
        <source>Number of control points</source>
        <translation>Number of control points</translation>
    </message>
    <message>
        <source>Control point</source>
        <translation>Control point</translation>
    </message>
    <message>
        <source>Control point X</source>
        <translation>Control point X</translation>
    </message>
    <message>
        <source>Control point Y</source>
        <translation>Control point Y</translation>
    </message>
    <message>
        <source>Control point Z</source>
        <translation>Control point Z</translation>
    </message>
    <message>
        <source>Number of fit points</source>
        <translation>Number of fit points</translation>
    </message>
    <message>
        <source>Fit point</source>
        <translation>Fit point</translation>
    </message>
    <message>
        <source>Fit point X</source>
        <translation>Fit point X</translation>
    </message>
    <message>
        <source>Fit point Y</source>
        <translation>Fit point Y</translation>
    </message>
    <message>
        <source>Fit point Z</source>
        <translation>Fit point Z</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degree</translation>
    </message>
    <message>
        <source>Planar</source>
        <translation>Planar</translation>
    </message>
    <message>
        <source>Start tangent vector X</source>
        <translation>Start tangent vector X</translation>
    </message>
    <message>
        <source>Start tangent vector Y</source>
        <translation>Start tangent vector Y</translation>
    </message>
    <message>
        <source>Start tangent vector Z</source>
        <translation>Start tangent vector Z</translation>
    </message>
    <message>
        <source>End tangent vector X</source>
        <translation>End tangent vector X</translation>
    </message>
    <message>
        <source>End tangent vector Y</source>
        <translation>End tangent vector Y</translation>
    </message>
    <message>
        <source>End tangent vector Z</source>
        <translation>End tangent vector Z</translation>
    </message>
    <message>
        <source>Fit tolerance</source>
        <translation>Fit tolerance</translation>
    </message>
    <message>
        <source>Fit/Smooth</source>
        <translation>Fit/Smooth</translation>
    </message>
    <message>
        <source>Constrain</source>
        <translation>Constrain</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Revolutions</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Base radius</source>
        <translation>Base radius</translation>
    </message>
    <message>
        <source>Top radius</source>
        <translation>Top radius</translation>
    </message>
    <message>
        <source>Helix slope</source>
        <translation>Helix slope</translation>
    </message>
    <message>
        <source>Total length</source>
        <translation>Total length</translation>
    </message>
    <message>
        <source>RLine justification</source>
        <translation>Multiline justification</translation>
    </message>
    <message>
        <source>RLine scale</source>
        <translation>Multiline scale</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Width factor</source>
        <translation>Width factor</translation>
    </message>
    <message>
        <source>Obliquing</source>
        <translation>Obliquing</translation>
    </message>
    <message>
        <source>Origin X</source>
        <translation>Origin X</translation>
    </message>
    <message>
        <source>Origin Y</source>
        <translation>Origin Y</translation>
    </message>
    <message>
        <source>Associative</source>
        <translation>Associative</translation>
    </message>
    <message>
        <source>Internal region detection</source>
        <translation>Internal region detection</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Pattern name</source>
        <translation>Pattern name</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>ISO pen width</source>
        <translation>ISO pen width</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Color 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Color 2</translation>
    </message>
    <message>
        <source>Gradient Angle</source>
        <translation>Gradient Angle</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centered</translation>
    </message>
    <message>
        <source>Additive area</source>
        <translation>Additive area</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>CenterMark</source>
        <translation>CenterMark</translation>
    </message>
    <message>
        <source>DimLine forced</source>
        <translation>DimLine forced</translation>
    </message>
    <message>
        <source>CenterMark size</source>
        <translation>CenterMark size</translation>
    </message>
    <message>
        <source>DimLine LWeight</source>
        <translation>DimLine LWeight</translation>
    </message>
    <message>
        <source>DimLine LColor</source>
        <translation>DimLine LColor</translation>
    </message>
    <message>
        <source>Ext line</source>
        <translation>Ext line</translation>
    </message>
    <message>
        <source>DimLine LStyle</source>
        <translation>DimLine LStyle</translation>
    </message>
    <message>
        <source>Text outside align</source>
        <translation>Text outside align</translation>
    </message>
    <message>
        <source>Text pos vert</source>
        <translation>Text pos vert</translation>
    </message>
    <message>
        <source>Text inside align</source>
        <translation>Text inside align</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Arrow 1</source>
        <translation>Arrow 1</translation>
    </message>
    <message>
        <source>Arrow 2</source>
        <translation>Arrow 2</translation>
    </message>
    <message>
        <source>ExtLine LWeight</source>
        <translation>ExtLine LWeight</translation>
    </message>
    <message>
        <source>DimLine 1</source>
        <translation>DimLine 1</translation>
    </message>
    <message>
        <source>DimLine 2</source>
        <translation>DimLine 2</translation>
    </message>
    <message>
        <source>ExtLine 1 LStyle</source>
        <translation>ExtLine 1 LStyle</translation>
    </message>
    <message>
        <source>ExtLine 2 LStyle</source>
        <translation>ExtLine 2 LStyle</translation>
    </message>
    <message>
        <source>ExtLine 1</source>
        <translation>ExtLine 1</translation>
    </message>
    <message>
        <source>ExtLine 2</source>
        <translation>ExtLine 2</translation>
    </message>
    <message>
        <source>ExtLine fixed</source>
        <translation>ExtLine fixed</translation>
    </message>
    <message>
        <source>ExtLine fixed length</source>
        <translation>ExtLine fixed length</translation>
    </message>
    <message>
        <source>ExtLine LColor</source>
        <translation>ExtLine LColor</translation>
    </message>
    <message>
        <source>ExtLine ext</source>
        <translation>ExtLine ext</translation>
    </message>
    <message>
        <source>ExtLine offset</source>
        <translation>ExtLine offset</translation>
    </message>
    <message>
        <source>Text pos hor</source>
        <translation>Text pos hor</translation>
    </message>
    <message>
        <source>DimLine inside</source>
        <translation>DimLine inside</translation>
    </message>
    <message>
        <source>Text inside</source>
        <translation>Text inside</translation>
    </message>
    <message>
        <source>Dim style</source>
        <translation>Dim style</translation>
    </message>
    <message>
        <source>Arrow size</source>
        <translation>Arrow size</translation>
    </message>
    <message>
        <source>Fill color</source>
        <translation>Fill color</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>Text height</source>
        <translation>Text height</translation>
    </message>
    <message>
        <source>Text offset</source>
        <translation>Text offset</translation>
    </message>
    <message>
        <source>Position x</source>
        <translation>Position x</translation>
    </message>
    <message>
        <source>Position y</source>
        <translation>Position y</translation>
    </message>
    <message>
        <source>Text override</source>
        <translation>Text override</translation>
    </message>
    <message>
        <source>Dim scale overall</source>
        <translation>Dim scale overall</translation>
    </message>
    <message>
        <source>Text movement</source>
        <translation>Text movement</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Decimal separator</translation>
    </message>
    <message>
        <source>Dim Roundoff</source>
        <translation>Dim Roundoff</translation>
    </message>
    <message>
        <source>Dim prefix</source>
        <translation>Dim prefix</translation>
    </message>
    <message>
        <source>Dim suffix</source>
        <translation>Dim suffix</translation>
    </message>
    <message>
        <source>Suppress leading zeros</source>
        <translation>Suppress leading zeros</translation>
    </message>
    <message>
        <source>Suppress trailing zeros</source>
        <translation>Suppress trailing zeros</translation>
    </message>
    <message>
        <source>Tolerance display</source>
        <translation>Tolerance display</translation>
    </message>
    <message>
        <source>Tolerance limit lower</source>
        <translation>Tolerance limit lower</translation>
    </message>
    <message>
        <source>Tolerance limit upper</source>
        <translation>Tolerance limit upper</translation>
    </message>
    <message>
        <source>Tolerance pos vert</source>
        <translation>Tolerance pos vert</translation>
    </message>
    <message>
        <source>Tolerance precision</source>
        <translation>Tolerance precision</translation>
    </message>
    <message>
        <source>Tolerance suppress leading zeros</source>
        <translation>Tolerance suppress leading zeros</translation>
    </message>
    <message>
        <source>Tolerance suppress trailing zeros</source>
        <translation>Tolerance suppress trailing zeros</translation>
    </message>
    <message>
        <source>Tolerance text height</source>
        <translation>Tolerance text height</translation>
    </message>
    <message>
        <source>Inspection frame</source>
        <translation>Inspection frame</translation>
    </message>
    <message>
        <source>Inspection frame shape</source>
        <translation>Inspection frame shape</translation>
    </message>
    <message>
        <source>Inspection label</source>
        <translation>Inspection label</translation>
    </message>
    <message>
        <source>Inspection rate</source>
        <translation>Inspection rate</translation>
    </message>
    <message>
        <source>Fractional type</source>
        <translation>Fractional type</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Dim scale linear</source>
        <translation>Dim scale linear</translation>
    </message>
    <message>
        <source>Dim UnitSystem</source>
        <translation>Dim UnitSystem</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>Suppress zero feet</source>
        <translation>Suppress zero feet</translation>
    </message>
    <message>
        <source>Suppress zero inches</source>
        <translation>Suppress zero inches</translation>
    </message>
    <message>
        <source>Tolerance suppress zero feet</source>
        <translation>Tolerance suppress zero feet</translation>
    </message>
    <message>
        <source>Tolerance suppress zero inches</source>
        <translation>Tolerance suppress zero inches</translation>
    </message>
    <message>
        <source>Alt tolerance precision</source>
        <translation>Alt tolerance precision</translation>
    </message>
    <message>
        <source>Alt tolerance suppress leading zeros</source>
        <translation>Alt tolerance suppress leading zeros</translation>
    </message>
    <message>
        <source>Alt tolerance suppress trailing zeros</source>
        <translation>Alt tolerance suppress trailing zeros</translation>
    </message>
    <message>
        <source>Alt tolerance suppress zero feet</source>
        <translation>Alt tolerance suppress zero feet</translation>
    </message>
    <message>
        <source>Alt tolerance suppress zero inches</source>
        <translation>Alt tolerance suppress zero inches</translation>
    </message>
    <message>
        <source>Alt enabled</source>
        <translation>Alt enabled</translation>
    </message>
    <message>
        <source>Alt format</source>
        <translation>Alt format</translation>
    </message>
    <message>
        <source>Alt precision</source>
        <translation>Alt precision</translation>
    </message>
    <message>
        <source>Alt round</source>
        <translation>Alt round</translation>
    </message>
    <message>
        <source>Alt scale</source>
        <translation>Alt scale</translation>
    </message>
    <message>
        <source>Alt prefix</source>
        <translation>Alt prefix</translation>
    </message>
    <message>
        <source>Alt suffix</source>
        <translation>Alt suffix</translation>
    </message>
    <message>
        <source>Alt suppress leading zeros</source>
        <translation>Alt suppress leading zeros</translation>
    </message>
    <message>
        <source>Alt suppress trailing zeros</source>
        <translation>Alt suppress trailing zeros</translation>
    </message>
    <message>
        <source>Alt suppress zeros feet</source>
        <translation>Alt suppress zeros feet</translation>
    </message>
    <message>
        <source>Alt suppress zeros inches</source>
        <translation>Alt suppress zeros inches</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Invisible</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Lock position</source>
        <translation>Lock position</translation>
    </message>
    <message>
        <source>Multilines</source>
        <translation>Multilines</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Scale X</source>
        <translation>Scale X</translation>
    </message>
    <message>
        <source>Scale Y</source>
        <translation>Scale Y</translation>
    </message>
    <message>
        <source>Scale Z</source>
        <translation>Scale Z</translation>
    </message>
    <message>
        <source>Block Units</source>
        <translation>Block Units</translation>
    </message>
    <message>
        <source>Block Unit Scale</source>
        <translation>Block Unit Scale</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Column spacing</source>
        <translation>Column spacing</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Row spacing</source>
        <translation>Row spacing</translation>
    </message>
    <message>
        <source>Block UnitSystem</source>
        <translation>Block UnitSystem</translation>
    </message>
    <message>
        <source>Block UnitScale</source>
        <translation>Block UnitScale</translation>
    </message>
</context>
<context>
    <name>property_values</name>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>ByBlock</source>
        <translation>ByBlock</translation>
    </message>
    <message>
        <source>ByLayer</source>
        <translation>ByLayer</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Foreground</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Top Left</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Top Center</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Top Right</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Middle Left</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Middle Center</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Middle Right</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Bottom Left</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Bottom Center</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Bottom Right</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>ByStyle</source>
        <translation>ByStyle</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>At least</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Exactly</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Aligned</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Curve fit</source>
        <translation>Curve fit</translation>
    </message>
    <message>
        <source>Quadratic</source>
        <translation>Quadratic</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubic</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Revolutions</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>CCW</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>User-defined</source>
        <translation>User-defined</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefined</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centered</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>JIS</source>
        <translation>JIS</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientific</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Engineering</translation>
    </message>
    <message>
        <source>Architectural</source>
        <translation>Architectural</translation>
    </message>
    <message>
        <source>Fractional</source>
        <translation>Fractional</translation>
    </message>
    <message>
        <source>Architectural (stacked)</source>
        <translation>Architectural (stacked)</translation>
    </message>
    <message>
        <source>Fractional (stacked)</source>
        <translation>Fractional (stacked)</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Not stacked</source>
        <translation>Not stacked</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Text and arrows</source>
        <translation>Text and arrows</translation>
    </message>
    <message>
        <source>Arrows only</source>
        <translation>Arrows only</translation>
    </message>
    <message>
        <source>Text only</source>
        <translation>Text only</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Best fit</translation>
    </message>
    <message>
        <source>First extension line</source>
        <translation>First extension line</translation>
    </message>
    <message>
        <source>Second extension line</source>
        <translation>Second extension line</translation>
    </message>
    <message>
        <source>Over first extension</source>
        <translation>Over first extension</translation>
    </message>
    <message>
        <source>Over second extension</source>
        <translation>Over second extension</translation>
    </message>
    <message>
        <source>Closed filled</source>
        <translation>Closed filled</translation>
    </message>
    <message>
        <source>Closed blank</source>
        <translation>Closed blank</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Dot</translation>
    </message>
    <message>
        <source>Architectural tick</source>
        <translation>Architectural tick</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblique</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Origin indicator</source>
        <translation>Origin indicator</translation>
    </message>
    <message>
        <source>Origin indicator 2</source>
        <translation>Origin indicator 2</translation>
    </message>
    <message>
        <source>Right angle</source>
        <translation>Right angle</translation>
    </message>
    <message>
        <source>Open 30</source>
        <translation>Open 30</translation>
    </message>
    <message>
        <source>Dot small</source>
        <translation>Dot small</translation>
    </message>
    <message>
        <source>Dot blank</source>
        <translation>Dot blank</translation>
    </message>
    <message>
        <source>Dot small blank</source>
        <translation>Dot small blank</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Box filled</source>
        <translation>Box filled</translation>
    </message>
    <message>
        <source>Datum triangle</source>
        <translation>Datum triangle</translation>
    </message>
    <message>
        <source>Datum triangle filled</source>
        <translation>Datum triangle filled</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Custom arrow</source>
        <translation>Custom arrow</translation>
    </message>
    <message>
        <source>Keep dimline with text</source>
        <translation>Keep dimline with text</translation>
    </message>
    <message>
        <source>Move text, add leader</source>
        <translation>Move text, add leader</translation>
    </message>
    <message>
        <source>Move text, no leader</source>
        <translation>Move text, no leader</translation>
    </message>
    <message>
        <source>Symmetrical</source>
        <translation>Symmetrical</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Flipped</source>
        <translation>Flipped</translation>
    </message>
    <message>
        <source>Not flipped</source>
        <translation>Not flipped</translation>
    </message>
</context>
<context>
    <name>units</name>
    <message>
        <source>Unitless</source>
        <translation>Unitless</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Feet</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miles</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeters</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimeters</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometers</translation>
    </message>
    <message>
        <source>Microinches</source>
        <translation>Microinches</translation>
    </message>
    <message>
        <source>Mils</source>
        <translation>Mils</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>Angstroms</source>
        <translation>Angstroms</translation>
    </message>
    <message>
        <source>Nanometers</source>
        <translation>Nanometers</translation>
    </message>
    <message>
        <source>Microns</source>
        <translation>Microns</translation>
    </message>
    <message>
        <source>Decimeters</source>
        <translation>Decimeters</translation>
    </message>
    <message>
        <source>Dekameters</source>
        <translation>Dekameters</translation>
    </message>
    <message>
        <source>Hectometers</source>
        <translation>Hectometers</translation>
    </message>
    <message>
        <source>Gigameters</source>
        <translation>Gigameters</translation>
    </message>
    <message>
        <source>Astronomical Units</source>
        <translation>Astronomical Units</translation>
    </message>
    <message>
        <source>Light Years</source>
        <translation>Light Years</translation>
    </message>
    <message>
        <source>Parsecs</source>
        <translation>Parsecs</translation>
    </message>
</context>
</TS>
